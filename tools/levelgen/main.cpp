// pushwell-levelgen: makes new levels and proves shipped ones solvable.
//
//   pushwell-levelgen generate [--seed N] [--count N] [--blocks WxH] [--boxes N]
//                              [--floor MIN-MAX] [--pushes MIN-MAX] [--states N]
//       Writes `count` generated levels to standard output, one try per seed from `seed` on;
//       each level's title names its seed, so a kept level can be made again.
//   pushwell-levelgen verify [--states N] FILE...
//       Checks the layout of every level and finds its fewest pushes; exit code 1 when any
//       level is faulty, unsolvable or too big to prove.

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "generate.h"
#include "level_text.h"
#include "search.h"

namespace {

int usage() {
    std::cerr << "usage: pushwell-levelgen generate [--seed N] [--count N] [--blocks WxH] "
                 "[--boxes N] [--floor MIN-MAX] [--pushes MIN-MAX] [--states N]\n"
                 "       pushwell-levelgen verify [--states N] FILE...\n";
    return 2;
}

// Reads "A<separator>B" into two numbers.
bool parse_pair(const std::string& text, char separator, int& first, int& second) {
    return std::sscanf(text.c_str(), (std::string("%d") + separator + "%d").c_str(), &first,
                       &second) == 2;
}

int generate(int argc, char** argv) {
    GenerateOptions options;
    unsigned seed = 1;
    int count = 10;
    for (int i = 2; i < argc; ++i) {
        const std::string option = argv[i];
        if (i + 1 >= argc) return usage();
        const std::string value = argv[++i];
        bool fine = true;
        if (option == "--seed") {
            seed = static_cast<unsigned>(std::stoul(value));
        } else if (option == "--count") {
            count = std::stoi(value);
        } else if (option == "--blocks") {
            fine = parse_pair(value, 'x', options.shape.blocks_wide, options.shape.blocks_high);
        } else if (option == "--boxes") {
            options.boxes = std::stoi(value);
        } else if (option == "--floor") {
            fine = parse_pair(value, '-', options.shape.min_floor, options.shape.max_floor);
        } else if (option == "--pushes") {
            fine = parse_pair(value, '-', options.min_pushes, options.max_pushes);
        } else if (option == "--states") {
            options.state_limit = std::stoul(value);
        } else {
            fine = false;
        }
        if (!fine) return usage();
    }
    for (int made = 0; made < count; ++seed) {
        std::mt19937 random(seed);
        const auto level = generate_level(random, options);
        if (!level) continue;
        ++made;
        write_level(std::cout, made, "'Seed " + std::to_string(seed), level->puzzle);
        std::cerr << "seed " << seed << ": " << level->pushes << " pushes, detour " << level->detour
                  << ", " << level->states << " positions\n";
    }
    return 0;
}

int verify(int argc, char** argv) {
    size_t state_limit = 5000000;
    bool all_fine = true;
    int files = 0;
    for (int i = 2; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--states" && i + 1 < argc) {
            state_limit = std::stoul(argv[++i]);
            continue;
        }
        ++files;
        std::ifstream in(argument, std::ios::binary);
        if (!in) {
            std::cout << argument << ": cannot open\n";
            all_fine = false;
            continue;
        }
        const CollectionText collection = read_collection(in);
        for (const auto& fault : collection.faults) {
            std::cout << argument << ": " << fault << '\n';
            all_fine = false;
        }
        int number = 0;
        for (const LevelText& level : collection.levels) {
            ++number;
            std::cout << argument << ": level " << number << " " << level.title << ": ";
            Puzzle puzzle;
            std::string fault;
            if (!parse_rows(level.rows, puzzle, fault)) {
                std::cout << "FAULT " << fault << '\n';
                all_fine = false;
                continue;
            }
            const SolveResult solved = solve_pushes(puzzle, state_limit);
            std::cout << puzzle.width << "x" << puzzle.height << ", " << puzzle.count_boxes()
                      << " boxes: ";
            switch (solved.outcome) {
                case SolveResult::Outcome::solved:
                    std::cout << solved.pushes << " pushes";
                    break;
                case SolveResult::Outcome::unsolvable:
                    std::cout << "UNSOLVABLE";
                    all_fine = false;
                    break;
                case SolveResult::Outcome::gave_up:
                    std::cout << "NOT PROVEN";
                    all_fine = false;
                    break;
            }
            std::cout << " (" << solved.states << " positions)\n";
        }
    }
    if (files == 0) return usage();
    return all_fine ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    const std::string command = argv[1];
    if (command == "generate") return generate(argc, argv);
    if (command == "verify") return verify(argc, argv);
    return usage();
}
