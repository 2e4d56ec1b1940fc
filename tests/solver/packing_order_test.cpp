// The packing order steers the finding search away from shutting a room of targets from its
// door, and leaves open rooms, where any order will do, alone.
#include "solver/packing_order.h"

#include <gtest/gtest.h>

#include "solver_boards.h"

TEST(PackingOrder, TheDoorOfARoomOfTargetsIsFilledLast) {
    // Targets at the far end of a dead-end passage: the inner one first.
    const SolverBoard board = board_of_map("########\n#..    #\n###  $ #\n#@  $  #\n########\n");
    const PackingOrder order(board);
    const int32_t inner = 1 + 8, door = 2 + 8;
    ASSERT_EQ(board.targets(), (std::vector<int32_t>{inner, door}));
    EXPECT_GT(order.layer_of_target(0), order.layer_of_target(1));
    EXPECT_EQ(order.out_of_order({door, 3 * 8 + 4}), 1);
    EXPECT_EQ(order.out_of_order({inner, 3 * 8 + 4}), 0);
    EXPECT_EQ(order.out_of_order({inner, door}), 0);
}

TEST(PackingOrder, AnOpenRoomHasNoOrder) {
    const SolverBoard board =
        board_of_map("#######\n#     #\n# .$. #\n#  $  #\n#  @  #\n#######\n");
    const PackingOrder order(board);
    EXPECT_EQ(order.layer_of_target(0), 0);
    EXPECT_EQ(order.layer_of_target(1), 0);
    EXPECT_EQ(order.out_of_order({2 + 2 * 7, 3 + 3 * 7}), 0);
    EXPECT_EQ(order.out_of_order({4 + 2 * 7, 3 + 3 * 7}), 0);
}
