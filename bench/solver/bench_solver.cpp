// bench-solver: how fast the solver proves levels. Two sets: 200 generated 10 x 10 rooms with
// 4 boxes (seeded, so every run sees the same levels), and every level shipped in levels/.
// Targets: the generated set fully solved with a median under 50 ms; every shipped level
// proven within 1 s. The baseline, timed in the same run, is one walk of the man over the
// level's board: the least work a position can cost, so the ratio shows the solver's own cost
// per stored position independent of the machine.
#include <algorithm>
#include <chrono>
#include <cstdio>
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
    std::string error;
    if (!board.load(level, error)) return 0;
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
    int solved = 0;
    std::vector<double> times;
    int64_t positions = 0;
    int64_t most_positions = 0;
    double walk_time = 0;  // summed over levels
    double per_position_time = 0;

    void add(const TLevel& level, const SolveResult& result) {
        ++levels;
        solved += result.status == SolveStatus::solved ? 1 : 0;
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
        std::printf("  time per level: median %.2f ms, worst %.2f ms, total %.3f s\n",
                    median * 1000, worst * 1000, total);
        std::printf("  positions stored: %lld in all, %lld at most for one level\n",
                    static_cast<long long>(positions), static_cast<long long>(most_positions));
        if (walk_time > 0) {
            std::printf("  time per stored position: %.1f x one man walk (baseline %.2f us)\n",
                        per_position_time / walk_time, walk_time / levels * 1e6);
        }
    }
};
}  // namespace

int main() {
    SolveLimits limits;
    limits.seconds = 60;

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
