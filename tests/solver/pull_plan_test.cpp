// Packing plans counted by hand on small boards: a box that must stand aside on a parking
// square, a room of targets whose order stays the layers', and a man who starts where he cannot
// finish, which the layers misread and the plan found backwards does not.
#include "solver/pull_plan.h"

#include <gtest/gtest.h>

#include "solver/feature_search.h"
#include "solver/packing_order.h"
#include "solver_boards.h"

namespace {
int32_t at(int32_t column, int32_t row, int32_t width) {
    return column + row * width;
}
}  // namespace

TEST(PullPlan, AParkedBoxCountsUntilItGoesOn) {
    // The man starts shut in above (6,2): he must push that box down onto (6,3), then the one
    // on (5,2) aside onto (4,2) to get out, bring the box from (3,2) round to (4,3), and only
    // then push the parked box back onto (5,2). The plan of that solution, counted along it.
    const SolverBoard board =
        board_of_map("########\n#    #@#\n## $ *$#\n#   . .#\n#   #  #\n########\n");
    const auto square = [](int32_t column, int32_t row) { return at(column, row, 8); };
    const int32_t corner = square(6, 3), parking = square(4, 2), inner = square(4, 3),
                  door = square(5, 2), loose = square(3, 2);
    const StepPlan plan(board, {{SolverBoard::no_square, corner, 0},
                                {SolverBoard::no_square, parking, 1},
                                {SolverBoard::no_square, inner, 2},
                                {parking, door, 3}});
    EXPECT_EQ(plan.packing(board.start_boxes()), 0);
    EXPECT_EQ(plan.packing({loose, door, corner}), 1);
    EXPECT_EQ(plan.packing({loose, parking, corner}), 2);
    EXPECT_EQ(plan.packing({parking, square(3, 3), corner}), 2);
    // The parked box still counts where it stands until it goes on.
    EXPECT_EQ(plan.packing({parking, inner, corner}), 3);
    EXPECT_EQ(plan.packing({door, inner, corner}), 4);
    // The door filled before the inner target counts only the rounds before it.
    EXPECT_EQ(plan.packing({door, loose, corner}), 1);
}

TEST(PullPlan, ARoomOfTargetsIsFilledFromTheInside) {
    // Targets at the far end of a dead-end passage: the plan fills the inner one first, as the
    // layers would.
    const SolverBoard board = board_of_map("########\n#..    #\n###  $ #\n#@  $  #\n########\n");
    const PackingOrder order(board, SolveLimits());
    EXPECT_FALSE(order.steps().empty());
    const int32_t inner = at(1, 1, 8), door = at(2, 1, 8), elsewhere = at(4, 3, 8);
    EXPECT_EQ(order.packing({door, elsewhere}), 0);
    EXPECT_EQ(order.packing({inner, elsewhere}), 1);
    EXPECT_EQ(order.packing({inner, door}), 2);
}

TEST(PullPlan, AManStartingInsideThePassageDoesNotHideItsOrder) {
    // The man starts behind the passage's targets, where, with them filled, he can pull
    // nothing: the layers see no order and count a box on the door as progress, though it
    // shuts the inner target. He ends outside, and the plan found backwards fills the inner
    // target first.
    const SolverBoard board =
        board_of_map("#########\n#@..    #\n#####$$ #\n#       #\n#########\n");
    const int32_t inner = at(2, 1, 9), door = at(3, 1, 9), elsewhere = at(5, 2, 9);
    const PackingOrder layers(board);
    EXPECT_EQ(layers.packing({door, elsewhere}), 1);
    const PackingOrder plan(board, SolveLimits());
    ASSERT_EQ(plan.steps().size(), 2u);
    EXPECT_EQ(plan.packing({door, elsewhere}), 0);
    EXPECT_EQ(plan.packing({inner, elsewhere}), 1);
    EXPECT_EQ(plan.packing({inner, door}), 2);
    FeatureSearch search(board, SolveLimits());
    EXPECT_EQ(search.run(), SolveStatus::solved);
}

TEST(PullPlan, NoPlanWithinNoPositions) {
    const SolverBoard board =
        board_of_map("########\n#  #   #\n# ###* #\n#. * $ #\n#    @ #\n########\n");
    SolveLimits none;
    none.positions = 1;
    EXPECT_TRUE(find_pull_plan(board, none).empty());
}
