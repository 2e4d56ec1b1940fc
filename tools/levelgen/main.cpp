// pushwell-levelgen: makes new levels and proves shipped ones solvable.
//
//   pushwell-levelgen generate [--seed N] [--count N] [--blocks WxH] [--boxes N]
//                              [--floor MIN-MAX] [--pushes MIN-MAX] [--states N] [--tries N]
//       Writes `count` generated levels to standard output, one try per seed from `seed` on;
//       each level's title names its seed, so a kept level can be made again. Gives up (exit
//       code 1) when `tries` seeds in a row (10000 by default) make no level.
//       --idle N keeps levels whose solution leaves at most N floor squares idle (3 by default).
//       --search sampled [--beam N] [--targets strewn|clustered] pulls with a bounded search
//       instead of meeting every position, for large rooms and many boxes, with the targets
//       strewn about the room or side by side; each level's solution follows its line on
//       standard error.
//   pushwell-levelgen climb [--seed N] [--count N] [--tries N] [--blocks WxH] [--boxes N|MIN-MAX]
//                           [--density MIN-MAX] [--steps N] [--states N] [--sampled N]
//                           [--beam N] [--time SECONDS] [--positions N]
//                           [--targets strewn|clustered|end] [--room pieces|serpentine]
//                           [--proof-positions N] [--push-weight W] [--min-pushes N]
//                           [--positions-weight W] [--hard N] [--proof-memory MB]
//       Writes `count` tight levels, one climb per seed (climb.h): a small room with many boxes,
//       changed `steps` times, each change kept when the solver's proof says the level got no
//       easier; its idle floor walled in. --density bounds the floor per box (4-7 by default),
//       --states the positions of the full pull search before the sampled one takes over
//       (--sampled positions, --beam wide), --time the solver's seconds per proof, --positions
//       what the proof's positions count for at most, --targets whether the first targets are
//       strewn, in clusters or together at one end, --room whether the room is a winding lane.
//       --proof-positions stops each proof at N positions (the same levels whatever the
//       machine's load), --push-weight is what a push counts for in the fitness,
//       --positions-weight what a power of ten of positions counts for (10), --min-pushes drops
//       shorter levels. --hard N makes the hard end: a level the proof cannot finish is judged
//       on a solution the finding searches give, and a level is kept only when its proof needs
//       N positions or more, or runs out. --proof-memory is each proof's memory (512 MB by
//       default; the checker's 1024 lets the hard end keep levels proven at two million positions
//       and more). One line for each level on standard error.
//   pushwell-levelgen wall-in [--time SECONDS] FILE
//       Writes the levels of FILE with the floor their optimal solutions leave idle walled in.
//   pushwell-levelgen verify [--time SECONDS] FILE...
//       Checks every file as `pushwell-check` does, in its words, proving each level's fewest
//       pushes; exit code 1 when any level is faulty, unsolvable or not proven within SECONDS
//       (10 by default) per level.
//   pushwell-levelgen order TABLE FILE
//       Sorts the levels of FILE by difficulty (see measures_table.h), from the lines of TABLE,
//       the checker's --tsv output, that name the file; rewrites both, the table's lines with
//       the levels' new numbers.
//   pushwell-levelgen summary TABLE
//       Writes a page in Markdown on the collections of TABLE and their levels' measures.

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "climb.h"
#include "file/atomic_file.h"
#include "generate.h"
#include "generate_sampled.h"
#include "level/collection.h"
#include "level/game_format_writer.h"
#include "level/text_file.h"
#include "level_check.h"
#include "level_text.h"
#include "library_summary.h"
#include "measures_table.h"
#include "order_levels.h"
#include "wall_in_file.h"

namespace {

int usage() {
    std::cerr
        << "usage: pushwell-levelgen generate [--seed N] [--count N] [--blocks WxH] "
           "[--boxes N] [--floor MIN-MAX] [--pushes MIN-MAX] [--states N] [--tries N]\n"
           "                          [--idle N] [--search exhaustive|sampled] [--beam N]\n"
           "                          [--targets strewn|clustered]\n"
           "       pushwell-levelgen climb [--seed N] [--count N] [--tries N] [--blocks WxH]\n"
           "                          [--boxes N|MIN-MAX] [--density MIN-MAX] [--steps N]\n"
           "                          [--states N] [--beam N] [--time SECONDS] [--positions N]\n"
           "                          [--targets strewn|clustered|end] [--room pieces|serpentine]\n"
           "                          [--proof-positions N] [--push-weight W] [--min-pushes N]\n"
           "                          [--positions-weight W] [--hard N] [--proof-memory MB]\n"
           "       pushwell-levelgen wall-in [--time SECONDS] FILE\n"
           "       pushwell-levelgen verify [--time SECONDS] FILE...\n"
           "       pushwell-levelgen order TABLE FILE\n"
           "       pushwell-levelgen summary TABLE\n";
    return 2;
}

// Reads a whole text as a number from 0 to `largest`; false for anything else.
bool parse_count(const std::string& text, unsigned long largest, unsigned long& value) {
    if (text.empty() || text[0] < '0' || text[0] > '9') return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtoul(text.c_str(), &end, 10);
    return errno == 0 && *end == '\0' && value <= largest;
}

// Reads "A<separator>B" into two numbers.
bool parse_pair(const std::string& text, char separator, int& first, int& second) {
    return std::sscanf(text.c_str(), (std::string("%d") + separator + "%d").c_str(), &first,
                       &second) == 2;
}

void report_sampled(unsigned seed, const SampledLevel& level) {
    const SolutionMeasures& measures = level.measures;
    std::cerr << "seed " << seed << ": " << measures.pushes << " pushes (at least "
              << level.lower_bound << "), " << measures.moves << " moves, " << measures.box_changes
              << " box changes, " << measures.sessions << " sessions, " << measures.box_lines
              << " box lines, " << level.idle << " idle, " << level.open_blocks << " open, score "
              << level.score << ", " << level.states << " positions\nseed " << seed
              << " solution: " << level.solution << '\n';
}

// Where a making command's seeds start, how many levels it makes, and how many seeds in a row
// may give none before it gives up.
struct SeedRun {
    unsigned seed;
    int count;
    unsigned long tries;
};

// Reads the options every making command takes: the run's seeds and the room's pieces. False
// when `option` is none of them; `fine` says whether its value was.
bool parse_run_option(const std::string& option, const std::string& value, SeedRun& run,
                      RoomShape& shape, bool& fine) {
    unsigned long number = 0;
    if (option == "--seed") {
        fine = parse_count(value, UINT_MAX, number);
        run.seed = static_cast<unsigned>(number);
    } else if (option == "--count") {
        fine = parse_count(value, INT_MAX, number);
        run.count = static_cast<int>(number);
    } else if (option == "--tries") {
        fine = parse_count(value, ULONG_MAX, run.tries) && run.tries > 0;
    } else if (option == "--blocks") {
        // A room of no pieces cannot be carved, and one wider or higher than the game takes
        // could never be read back.
        const int most = (max_board_side - 2) / 3;
        fine = parse_pair(value, 'x', shape.blocks_wide, shape.blocks_high) &&
               shape.blocks_wide >= 1 && shape.blocks_wide <= most && shape.blocks_high >= 1 &&
               shape.blocks_high <= most;
    } else {
        return false;
    }
    return true;
}

// Tries seed after seed until `made_one(seed, number)` has written `run.count` levels; gives up
// when `run.tries` seeds in a row give none, since options no room can meet would otherwise keep
// it trying for ever.
int run_seeds(const SeedRun& run, const std::function<bool(unsigned, int)>& made_one) {
    unsigned long idle = 0;  // seeds tried since the last level
    unsigned seed = run.seed;
    for (int made = 0; made < run.count; ++seed) {
        if (idle == run.tries) {
            std::cerr << "pushwell-levelgen: no level in " << run.tries << " seeds up to seed "
                      << seed - 1 << "; try other options or more --tries\n";
            return 1;
        }
        ++idle;
        if (!made_one(seed, made + 1)) continue;
        idle = 0;
        ++made;
    }
    return 0;
}

int generate(int argc, char** argv) {
    GenerateOptions options;
    SeedRun run{1, 10, 10000};
    bool sampled = false;
    SampledChoice choice;
    for (int i = 2; i < argc; ++i) {
        const std::string option = argv[i];
        if (i + 1 >= argc) return usage();
        const std::string value = argv[++i];
        bool fine = true;
        unsigned long number = 0;
        if (parse_run_option(option, value, run, options.shape, fine)) {
        } else if (option == "--boxes") {
            fine = parse_count(value, INT_MAX, number);
            options.boxes = static_cast<int>(number);
        } else if (option == "--floor") {
            fine = parse_pair(value, '-', options.shape.min_floor, options.shape.max_floor);
        } else if (option == "--pushes") {
            fine = parse_pair(value, '-', options.min_pushes, options.max_pushes);
        } else if (option == "--states") {
            fine = parse_count(value, ULONG_MAX, number);
            options.state_limit = number;
        } else if (option == "--idle") {
            fine = parse_count(value, INT_MAX, number);
            options.max_idle = static_cast<int>(number);
        } else if (option == "--search") {
            fine = value == "exhaustive" || value == "sampled";
            sampled = value == "sampled";
        } else if (option == "--beam") {
            fine = parse_count(value, ULONG_MAX, number) && number > 0;
            choice.beam_width = number;
        } else if (option == "--targets") {
            fine = value == "strewn" || value == "clustered";
            choice.clustered_targets = value == "clustered";
        } else {
            fine = false;
        }
        if (!fine) return usage();
    }
    return run_seeds(run, [&](unsigned seed, int made) {
        std::mt19937 random(seed);
        if (sampled) {
            const auto level = generate_sampled_level(random, options, choice);
            if (!level) return false;
            std::cout << game_level_text(made, "Seed " + std::to_string(seed),
                                         format_rows(level->puzzle));
            report_sampled(seed, *level);
            return true;
        }
        const auto level = generate_level(random, options);
        if (!level) return false;
        std::cout << game_level_text(made, "Seed " + std::to_string(seed),
                                     format_rows(level->puzzle));
        std::cerr << "seed " << seed << ": " << level->pushes << " pushes, detour " << level->detour
                  << ", " << level->states << " positions\n";
        return true;
    });
}

// Reads a number above zero: seconds, or a weight.
bool parse_positive(const std::string& text, double& number) {
    char* end = nullptr;
    number = std::strtod(text.c_str(), &end);
    return *end == '\0' && number > 0;
}

// Reads "N" or "MIN-MAX" into a range of box counts, at least one box.
bool parse_boxes(const std::string& text, TargetRange& boxes) {
    unsigned long number = 0;
    if (parse_count(text, INT_MAX, number)) {
        boxes.fewest = boxes.most = static_cast<int>(number);
    } else if (!parse_pair(text, '-', boxes.fewest, boxes.most)) {
        return false;
    }
    return boxes.fewest >= 1 && boxes.fewest <= boxes.most;
}

void report_climbed(unsigned seed, const ClimbedLevel& level) {
    std::cerr << "seed " << seed << ": " << level.boxes << " boxes, " << level.floor << " floor, "
              << static_cast<double>(level.floor) / level.boxes << " floor per box, " << level.idle
              << " idle walled in, " << level.measures.pushes << " pushes, "
              << level.measures.box_changes << " box changes, " << level.measures.sessions
              << " sessions, " << level.positions << " positions"
              << (level.proven ? "" : " (not proven)") << ", fitness " << level.fitness << ", "
              << level.steps_kept << " steps kept\n";
}

int climb(int argc, char** argv) {
    ClimbOptions options;
    options.shape = RoomShape{4, 3, 0, 0};
    SeedRun run{1, 10, 1000};
    for (int i = 2; i < argc; ++i) {
        const std::string option = argv[i];
        if (i + 1 >= argc) return usage();
        const std::string value = argv[++i];
        bool fine = true;
        unsigned long number = 0;
        if (parse_run_option(option, value, run, options.shape, fine)) {
        } else if (option == "--boxes") {
            fine = parse_boxes(value, options.boxes);
        } else if (option == "--density") {
            fine = std::sscanf(value.c_str(), "%lf-%lf", &options.min_floor_per_box,
                               &options.max_floor_per_box) == 2 &&
                   options.min_floor_per_box > 0 &&
                   options.min_floor_per_box <= options.max_floor_per_box;
        } else if (option == "--steps") {
            fine = parse_count(value, INT_MAX, number);
            options.steps = static_cast<int>(number);
        } else if (option == "--states") {
            fine = parse_count(value, ULONG_MAX, number);
            options.pulls.exhaustive_states = number;
        } else if (option == "--sampled") {
            fine = parse_count(value, ULONG_MAX, number);
            options.pulls.sampled_states = number;
        } else if (option == "--beam") {
            fine = parse_count(value, ULONG_MAX, number) && number > 0;
            options.pulls.beam_width = number;
        } else if (option == "--time") {
            fine = parse_positive(value, options.proof_limits.seconds);
        } else if (option == "--positions") {
            fine = parse_count(value, LLONG_MAX, number);
            options.positions_cap = static_cast<int64_t>(number);
        } else if (option == "--proof-memory") {
            fine = parse_count(value, 1 << 20, number) && number > 0;
            options.proof_limits.memory_bytes = static_cast<int64_t>(number) * 1024 * 1024;
        } else if (option == "--proof-positions") {
            fine = parse_count(value, LLONG_MAX, number) && number > 0;
            options.proof_limits.positions = static_cast<int64_t>(number);
        } else if (option == "--positions-weight") {
            fine = std::sscanf(value.c_str(), "%lf", &options.positions_weight) == 1 &&
                   options.positions_weight >= 0;
        } else if (option == "--hard") {
            fine = parse_count(value, LLONG_MAX, number);
            options.least_positions = static_cast<int64_t>(number);
        } else if (option == "--targets") {
            fine = value == "strewn" || value == "clustered" || value == "end";
            options.targets = value == "clustered" ? ClimbOptions::Targets::clustered
                              : value == "end"     ? ClimbOptions::Targets::end
                                                   : ClimbOptions::Targets::strewn;
        } else if (option == "--room") {
            fine = value == "pieces" || value == "serpentine";
            options.shape.serpentine = value == "serpentine";
        } else if (option == "--push-weight") {
            fine = parse_positive(value, options.push_weight);
        } else if (option == "--min-pushes") {
            fine = parse_count(value, INT_MAX, number);
            options.min_pushes = static_cast<int>(number);
        } else {
            fine = false;
        }
        if (!fine) return usage();
    }
    return run_seeds(run, [&](unsigned seed, int made) {
        std::mt19937 random(seed);
        const auto level = climb_level(random, options);
        if (!level) return false;
        std::cout << game_level_text(made, "Seed " + std::to_string(seed),
                                     format_rows(level->puzzle))
                  << std::flush;
        report_climbed(seed, *level);
        return true;
    });
}

int wall_in(int argc, char** argv) {
    SolveLimits limits;
    int i = 2;
    if (i + 2 < argc && std::string(argv[i]) == "--time") {
        if (!parse_positive(argv[i + 1], limits.seconds)) return usage();
        i += 2;
    }
    if (i + 1 != argc) return usage();
    return wall_in_file(argv[i], limits, std::cout, std::cerr) ? 0 : 1;
}

// The checker's own loop and verdict words, proving fewest pushes.
int verify(int argc, char** argv) {
    CheckOptions options;
    options.optimise = Optimise::pushes;
    std::vector<std::string> files;
    for (int i = 2; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--time" && i + 1 < argc) {
            options.limits.seconds = std::atof(argv[++i]);
            if (!(options.limits.seconds > 0)) return usage();
            continue;
        }
        files.push_back(argument);
    }
    if (files.empty()) return usage();
    return check_level_files(files, options, std::cout, std::cerr) ? 0 : 1;
}

// The table's lines, or false (said on standard error) when it cannot be read.
bool read_table_lines(const std::string& path, std::vector<std::string>& lines) {
    std::string text;
    if (const auto read = read_text_file(path, text); !read) {
        std::cerr << path << ": " << read.words() << '\n';
        return false;
    }
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return true;
}

int order(int argc, char** argv) {
    if (argc != 4) return usage();
    const std::string table_path = argv[2], path = argv[3];
    std::vector<std::string> lines;
    if (!read_table_lines(table_path, lines)) return 1;
    std::string text;
    TLevelCollection collection;
    std::vector<std::string> messages;
    if (load_path(collection, path, text, messages) != 0) {
        for (const auto& message : messages) std::cerr << message;
        return 1;
    }

    const std::string name = collection_name(path);
    std::vector<double> scores(static_cast<size_t>(collection.level_count()), -1);
    for (const auto& line : lines) {
        const auto level = read_measures_line(line);
        if (!level || collection_name(level->file) != name ||
            level->level > collection.level_count())
            continue;
        if (level->result == "optimal" || level->result == "solved")
            scores[static_cast<size_t>(level->level) - 1] = difficulty(*level);
    }
    for (size_t i = 0; i < scores.size(); ++i) {
        if (scores[i] < 0) {
            std::cerr << path << ": level " << i + 1 << " has no solution in " << table_path
                      << '\n';
            return 1;
        }
    }
    const std::vector<size_t> places = difficulty_order(scores);
    for (const auto& [file, bytes] :
         {std::pair{path, order_collection(text, places)},
          std::pair{table_path, order_table_lines(lines, name, places)}}) {
        if (const auto written = write_file_atomically(file, bytes); !written) {
            std::cerr << file << ": " << written.words() << '\n';
            return 1;
        }
    }
    return 0;
}

int summary(int argc, char** argv) {
    if (argc != 3) return usage();
    std::vector<std::string> lines;
    if (!read_table_lines(argv[2], lines)) return 1;
    std::vector<MeasuredLevel> table;
    for (const auto& line : lines) {
        if (auto level = read_measures_line(line)) table.push_back(std::move(*level));
    }
    // The boxes are counted on the files the table names, read from here.
    std::vector<int> boxes;
    std::string loaded_path;
    std::unique_ptr<TLevelCollection> collection;
    for (const auto& level : table) {
        if (!collection || level.file != loaded_path) {
            std::string text;
            std::vector<std::string> messages;
            collection = std::make_unique<TLevelCollection>();
            load_path(*collection, level.file, text, messages);
            loaded_path = level.file;
        }
        const TLevel* board = collection->get_level(level.level - 1);
        boxes.push_back(board ? count_boxes(*board) : 0);
    }
    write_library_summary(table, boxes, std::cout);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    const std::string command = argv[1];
    if (command == "generate") return generate(argc, argv);
    if (command == "climb") return climb(argc, argv);
    if (command == "wall-in") return wall_in(argc, argv);
    if (command == "verify") return verify(argc, argv);
    if (command == "order") return order(argc, argv);
    if (command == "summary") return summary(argc, argv);
    return usage();
}
