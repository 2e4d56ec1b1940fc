#include "sampled_search.h"

#include <gtest/gtest.h>

#include <random>

#include "board_rows.h"
#include "generate_sampled.h"
#include "greedy.h"
#include "play_path.h"
#include "search.h"
#include "solver/solver.h"

namespace {

// A generated level of ours, 20 pushes deep.
const Puzzle level =
    board({"       ####", "#####  #@ #", "#   # ##  #", "# $ ### $.#", "#  $      #", "### #  .###",
           " #  #. ##", " #     #", " ##   ##", "  #####"});

}  // namespace

TEST(SampledSearch, AgreesWithTheSearchThatMeetsEveryPosition) {
    const Arena arena(level, level.man);
    std::vector<int> targets;
    for (int square = 0; square < static_cast<int>(level.targets.size()); ++square) {
        if (level.targets[static_cast<size_t>(square)]) targets.push_back(arena.cell_of(square));
    }
    const PullResult exhaustive = pull_search(arena, targets, 1000000);
    std::mt19937 random(7);
    SampledOptions options;
    // A beam wide enough for every position is the breadth-first search itself.
    options.beam_width = 1000000;
    EXPECT_EQ(sampled_pull_search(arena, targets, 0, random, options).depth, exhaustive.depth);

    // A narrow one claims pushes its solutions need, and never fewer than the fewest there are.
    options.beam_width = 4;
    const SampledResult sampled = sampled_pull_search(arena, targets, 12, random, options);
    ASSERT_FALSE(sampled.best.empty());
    for (const SampledPosition& position : sampled.best) {
        const Puzzle puzzle = placed(level, arena, position.key);
        const std::string solution = solution_undoing(puzzle, arena, position.pulls);
        SCOPED_TRACE(solution);
        EXPECT_TRUE(replay_solves(game_level(puzzle), solution));
        EXPECT_EQ(measure_solution(solution).pushes, static_cast<int>(position.pulls.size()));
        const SolveResult solved = solve_level(game_level(puzzle), Optimise::pushes, {});
        ASSERT_EQ(solved.status, SolveStatus::solved);
        EXPECT_LE(solved.pushes, static_cast<int>(position.pulls.size()));
        EXPECT_LE(solved.pushes, exhaustive.depth);
        EXPECT_LE(position.lower_bound, solved.pushes);
    }
}

TEST(SampledSearch, EveryLevelComesWithItsSolution) {
    GenerateOptions options;
    options.shape = RoomShape{4, 3, 28, 50};
    options.boxes = 4;
    options.min_pushes = 10;
    options.max_pushes = 200;
    options.state_limit = 20000;
    options.max_idle = 10;
    int made = 0;
    for (unsigned seed = 1; made < 3 && seed < 3000; ++seed) {
        std::mt19937 random(seed);
        const auto level = generate_sampled_level(random, options, SampledChoice{200, false});
        if (!level) continue;
        ++made;
        SCOPED_TRACE("seed " + std::to_string(seed));
        const TLevel written = game_level(level->puzzle);
        EXPECT_TRUE(replay_solves(written, level->solution));
        EXPECT_GE(level->measures.pushes, options.min_pushes);
        EXPECT_FALSE(greedy_player_solves(written));
    }
    EXPECT_EQ(made, 3);
}
