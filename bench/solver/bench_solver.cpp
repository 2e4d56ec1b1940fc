// bench-solver: how fast the solver proves levels. Two sets: 200 generated 10 x 10 rooms with
// 4 boxes (seeded, so every run sees the same levels), and every level shipped in levels/.
// Targets: the generated set fully solved with a median under 50 ms; every shipped level
// proven within 1 s. The baseline, timed in the same run, is one walk of the man over the
// level's board: the least work a position can cost, so the ratio shows the solver's own cost
// per stored position independent of the machine.
//
//   bench-solver --file PATH [--time SECONDS] [--find]
//   bench-solver --large COUNT [--time SECONDS] [--find]
// solve every level of one collection file, or COUNT generated classic-sized rooms (14 to 20
// squares a side, 12 to 20 boxes, seeded), and report how many were proven and solved, with
// times and positions per second: progress on real levels as a number.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "level/collection.h"
#include "solver/board.h"
#include "solver/man_walk.h"
#include "solver/solver.h"
#include "testlevels/pulled_level.h"

namespace {
using Clock = std::chrono::steady_clock;

double seconds_since(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Seconds one man walk over the level takes, averaged over many.
double walk_seconds(const TLevel& level) {
    SolverBoard board;
    if (!board.load(level)) return 0;
    std::vector<uint8_t> occupied(board.square_count(), 0);
    for (int32_t box : board.start_boxes()) occupied[box] = 1;
    ManWalk walk;
    constexpr int rounds = 20000;
    int32_t sink = 0;
    const auto start = Clock::now();
    for (int i = 0; i < rounds; ++i) sink += walk.walk(board, occupied, board.man_start());
    const double spent = seconds_since(start);
    return sink == -1 ? 0 : spent / rounds;
}

struct Tally {
    int levels = 0;
    int solved = 0;  // proven optimal
    int found = 0;   // solved without proof
    double seconds = 0;
    std::vector<double> times;
    int64_t positions = 0;
    int64_t most_positions = 0;
    double walk_time = 0;  // summed over levels
    double per_position_time = 0;

    void add(const TLevel& level, const SolveResult& result) {
        ++levels;
        solved += result.status == SolveStatus::solved ? 1 : 0;
        found += result.status == SolveStatus::found ? 1 : 0;
        seconds += result.seconds;
        times.push_back(result.seconds);
        positions += result.positions;
        most_positions = std::max(most_positions, result.positions);
        walk_time += walk_seconds(level);
        per_position_time += result.positions > 0 ? result.seconds / result.positions : 0;
    }
    void print(const char* name) {
        std::sort(times.begin(), times.end());
        const double median = times.empty() ? 0 : times[times.size() / 2];
        const double worst = times.empty() ? 0 : times.back();
        double total = 0;
        for (double t : times) total += t;
        std::printf("%s: %d of %d levels proven\n", name, solved, levels);
        if (found > 0) std::printf("  solved without proof: %d more\n", found);
        std::printf("  time per level: median %.2f ms, worst %.2f ms, total %.3f s\n",
                    median * 1000, worst * 1000, total);
        std::printf("  positions stored: %lld in all, %lld at most for one level\n",
                    static_cast<long long>(positions), static_cast<long long>(most_positions));
        std::printf("  positions per second: %.0f\n", seconds > 0 ? positions / seconds : 0.0);
        if (walk_time > 0) {
            std::printf("  time per stored position: %.1f x one man walk (baseline %.2f us)\n",
                        per_position_time / walk_time, walk_time / levels * 1e6);
        }
    }
};
struct Options {
    std::string file;
    int large = 0;
    bool find = false;
    SolveLimits limits;
};

bool parse(int argc, char** argv, Options& options) {
    options.limits.seconds = 60;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        const bool has_value = i + 1 < argc;
        if (argument == "--find") {
            options.find = true;
        } else if (argument == "--file" && has_value) {
            options.file = argv[++i];
        } else if (argument == "--large" && has_value) {
            options.large = std::atoi(argv[++i]);
        } else if (argument == "--time" && has_value) {
            options.limits.seconds = std::atof(argv[++i]);
        } else {
            return false;
        }
    }
    return options.limits.seconds > 0 && options.large >= 0;
}

SolveResult run(const TLevel& level, const Options& options) {
    return options.find ? find_level_solution(level, Optimise::pushes, options.limits)
                        : solve_level(level, Optimise::pushes, options.limits);
}

// One line per level as it finishes, so that a long run shows its progress.
void report(const char* name, int32_t number, const SolveResult& result) {
    const char* word = result.status == SolveStatus::solved  ? "optimal"
                       : result.status == SolveStatus::found ? "solved"
                                                             : "not solved";
    std::printf("  %s %d: %s, %d pushes (at least %d), %.2f s, %lld positions\n", name, number,
                word, result.pushes, result.bound, result.seconds,
                static_cast<long long>(result.positions));
    std::fflush(stdout);
}

int bench_file(const Options& options) {
    TLevelCollection collection;
    if (import_path(collection, options.file) == -1) {
        std::fprintf(stderr, "bench-solver: cannot open %s\n", options.file.c_str());
        return 1;
    }
    Tally tally;
    for (int32_t i = 0; i < collection.level_count(); ++i) {
        const TLevel* level = collection.get_level(i);
        if (level == nullptr) continue;
        const SolveResult result = run(*level, options);
        report("level", i + 1, result);
        tally.add(*level, result);
    }
    tally.print(options.file.c_str());
    return 0;
}

// Rooms the size of the classic levels players know: too many boxes and too much floor to
// prove, so they show how far finding reaches.
int bench_large(const Options& options) {
    Tally tally;
    int made = 0;
    for (uint32_t seed = 1; made < options.large; ++seed) {
        PulledLevelShape shape;
        shape.width = 14 + static_cast<int32_t>(seed % 7);
        shape.height = 14 + static_cast<int32_t>(seed / 7 % 7);
        shape.boxes = 12 + static_cast<int>(seed % 9);
        shape.wall_percent = 15;
        shape.pulls = 8000;
        shape.run = 16;
        shape.min_reach_percent = 50;
        TLevel level;
        if (!make_pulled_level(seed, shape, level)) continue;
        ++made;
        const SolveResult result = run(level, options);
        report("seed", static_cast<int32_t>(seed), result);
        tally.add(level, result);
    }
    tally.print("generated 14 to 20 squares a side, 12 to 20 boxes");
    return 0;
}
}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parse(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: bench-solver [--file PATH | --large COUNT] [--time SECONDS] "
                     "[--find]\n");
        return 2;
    }
    if (!options.file.empty()) return bench_file(options);
    if (options.large > 0) return bench_large(options);
    const SolveLimits limits = options.limits;

    Tally generated;
    PulledLevelShape shape;  // 10 x 10, 4 boxes
    for (uint32_t seed = 1; generated.levels < 200; ++seed) {
        TLevel level;
        if (!make_pulled_level(seed, shape, level)) continue;
        generated.add(level, solve_level(level, Optimise::pushes, limits));
    }
    generated.print("generated 10 x 10, 4 boxes (seeds from 1)");
    std::printf("  target: all solved, median under 50 ms\n");

    Tally shipped;
    const std::filesystem::path folder = std::filesystem::path(PUSHWELL_ROOT) / "levels";
    std::error_code error;
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (entry.is_regular_file()) files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    const auto start = Clock::now();
    for (const auto& file : files) {
        TLevelCollection collection;
        if (import_path(collection, file.string()) != 0) continue;
        for (int32_t i = 0; i < collection.level_count(); ++i) {
            const TLevel* level = collection.get_level(i);
            if (level == nullptr) continue;
            const SolveResult result = solve_level(*level, Optimise::pushes, limits);
            shipped.add(*level, result);
            if (result.seconds > 1.0 || result.status != SolveStatus::solved) {
                std::printf("  over target: %s level %d (%.3f s)\n", file.c_str(), i + 1,
                            result.seconds);
            }
        }
    }
    shipped.print("shipped levels");
    std::printf("  all %zu files imported and proven in %.3f s; target: each level within 1 s\n",
                files.size(), seconds_since(start));
    return 0;
}
