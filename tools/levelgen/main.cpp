// pushwell-levelgen: makes new levels and proves shipped ones solvable.
//
//   pushwell-levelgen generate [--seed N] [--count N] [--blocks WxH] [--boxes N]
//                              [--floor MIN-MAX] [--pushes MIN-MAX] [--states N]
//       Writes `count` generated levels to standard output, one try per seed from `seed` on;
//       each level's title names its seed, so a kept level can be made again.
//   pushwell-levelgen verify [--time SECONDS] FILE...
//       Reads every file as the game does, checks what the game would take quietly, and has the
//       solver find each level's fewest pushes; exit code 1 when any level is faulty,
//       unsolvable or not proven within SECONDS (10 by default) per level.

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

#include "generate.h"
#include "level_text.h"
#include "verify.h"

namespace {

int usage() {
    std::cerr << "usage: pushwell-levelgen generate [--seed N] [--count N] [--blocks WxH] "
                 "[--boxes N] [--floor MIN-MAX] [--pushes MIN-MAX] [--states N]\n"
                 "       pushwell-levelgen verify [--time SECONDS] FILE...\n";
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
    SolveLimits limits;
    bool all_fine = true;
    int files = 0;
    for (int i = 2; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--time" && i + 1 < argc) {
            limits.seconds = std::atof(argv[++i]);
            if (!(limits.seconds > 0)) return usage();
            continue;
        }
        ++files;
        all_fine = verify_file(argument, limits, std::cout) && all_fine;
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
