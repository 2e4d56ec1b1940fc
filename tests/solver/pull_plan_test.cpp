// The packing plan found backwards, counted by hand on small boards: a box that waits on a
// parking square, a room of targets whose order stays the layers', and a man who starts where
// he cannot finish, which the layers misread.
#include "solver/pull_plan.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "solver/feature_search.h"
#include "solver/packing_order.h"
#include "solver_boards.h"

namespace {
int32_t at(int32_t column, int32_t row, int32_t width) {
    return column + row * width;
}
}  // namespace

TEST(PullPlan, ABoxWaitsOnAParkingSquareWhileOthersPass) {
    // Boxes are brought in only down the one-wide column from (3,2), where the loose box
    // starts. The one for (4,5) must wait on (4,4) while those for (2,3) and (2,5) pass, then
    // go on; the column's foot (3,3) is filled last.
    const SolverBoard board =
        board_of_map("#######\n# # @##\n# #$# #\n# *.  #\n#     #\n# * * #\n#  #  #\n#######\n");
    const auto square = [](int32_t column, int32_t row) { return at(column, row, 7); };
    const int32_t parking = square(4, 4), left = square(2, 3), low = square(2, 5),
                  right = square(4, 5), foot = square(3, 3);
    const std::vector<PlanStep> steps = find_pull_plan(board, SolveLimits());
    ASSERT_EQ(steps.size(), 5u);
    EXPECT_EQ(steps[0].to, parking);
    EXPECT_EQ(std::min(steps[1].to, steps[2].to), left);
    EXPECT_EQ(std::max(steps[1].to, steps[2].to), low);
    EXPECT_EQ(steps[1].round, steps[2].round);
    EXPECT_EQ(steps[3].from, parking);
    EXPECT_EQ(steps[3].to, right);
    EXPECT_EQ(steps[4].to, foot);
    for (int step : {0, 1, 2, 4}) EXPECT_EQ(steps[step].from, SolverBoard::no_square);

    const StepPlan order(board, steps);
    // The parked box is counted on (4,4) until the boxes of the next round are in.
    EXPECT_EQ(order.packing({parking, square(3, 2)}), 1);
    EXPECT_EQ(order.packing({parking, left, square(3, 2)}), 2);
    EXPECT_EQ(order.packing({parking, left, low, square(3, 2)}), 3);
    // Once it has gone on, (4,4) is no longer wanted; the foot is missing still.
    EXPECT_EQ(order.packing({left, low, right, square(3, 2)}), 4);
    EXPECT_EQ(order.packing({left, low, right, foot}), 5);
    // The foot filled first counts for nothing: the column is shut.
    EXPECT_EQ(order.packing({foot, square(1, 1)}), 0);
}

TEST(PullPlan, ARoomOfTargetsKeepsTheLayers) {
    // Targets at the far end of a dead-end passage: the inner one first, as the layers say.
    const SolverBoard board = board_of_map("########\n#..    #\n###  $ #\n#@  $  #\n########\n");
    const PackingOrder order(board, SolveLimits());
    EXPECT_TRUE(order.steps().empty());
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
