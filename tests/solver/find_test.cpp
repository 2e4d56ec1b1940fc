// The finding search: its solutions replay through the game's rules and never claim fewer
// pushes than the proven optimum; a level proven within the share stays "optimal".
#include <gtest/gtest.h>

#include "level/move_letters.h"
#include "reference_search.h"
#include "solver/push_search.h"
#include "solver/solution_path.h"
#include "support/board_text.h"
#include "testlevels/pulled_level.h"

TEST(FindSearch, SolutionsReplayAndNeverBeatTheOptimum) {
    int checked = 0, longer = 0;
    for (uint32_t seed = 500; checked < 60; ++seed) {
        PulledLevelShape shape;
        shape.width = 6 + static_cast<int32_t>(seed % 2);
        shape.height = 6;
        shape.boxes = 2 + static_cast<int>(seed % 2);
        shape.wall_percent = 10;
        shape.pulls = 30;
        TLevel level;
        if (!make_pulled_level(seed, shape, level)) continue;
        ++checked;
        SCOPED_TRACE("generated level seed " + std::to_string(seed));
        SolverBoard board;
        const auto loaded = board.load(level);
        ASSERT_TRUE(loaded) << loaded.words();
        const auto optimum = reference_optimum(level, Optimise::pushes);
        ASSERT_TRUE(optimum.has_value());
        for (SearchGoal goal : {SearchGoal::find, SearchGoal::find_packing}) {
            PushSearch search(board, Optimise::pushes, SolveLimits(), goal);
            ASSERT_EQ(search.run(), SolveStatus::solved);
            int32_t moves = 0, pushes = 0;
            ASSERT_TRUE(replay_moves(level, spell_path(board, search.solution()), moves, pushes));
            EXPECT_GE(pushes, optimum->first);
            longer += pushes > optimum->first ? 1 : 0;
        }
    }
    // Finding trades length for speed, but only now and then on rooms this small.
    EXPECT_LT(longer, checked);
}

TEST(FindSearch, ALevelProvenWithinTheShareIsOptimal) {
    const auto collection =
        import_text("; 1\n'x\n########\n#  .   #\n###$####\n#   @$.#\n########\n\n");
    const SolveResult found =
        find_level_solution(*collection->get_level(0), Optimise::pushes, SolveLimits());
    const SolveResult proven =
        solve_level(*collection->get_level(0), Optimise::pushes, SolveLimits());
    EXPECT_EQ(found.status, SolveStatus::solved);
    EXPECT_EQ(found.pushes, proven.pushes);
    EXPECT_EQ(found.path, proven.path);
}
