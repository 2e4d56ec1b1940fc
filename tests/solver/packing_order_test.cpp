// The packing order steers the finding search away from shutting a room of targets from its
// door, and leaves open rooms, where any order will do, alone.
#include "solver/packing_order.h"

#include <gtest/gtest.h>

#include "support/board_text.h"

namespace {
SolverBoard load_board(const std::string& map) {
    const auto collection = import_text("; 1\n'x\n" + map + "\n");
    SolverBoard board;
    const auto loaded = board.load(*collection->get_level(0));
    EXPECT_TRUE(loaded) << loaded.words();
    return board;
}
}  // namespace

TEST(PackingOrder, TheDoorOfARoomOfTargetsIsFilledLast) {
    // Targets at the far end of a dead-end passage: the inner one first.
    const SolverBoard board = load_board("########\n#..    #\n###  $ #\n#@  $  #\n########\n");
    const PackingOrder order(board);
    const int32_t inner = 1 + 8, door = 2 + 8;
    ASSERT_EQ(board.targets(), (std::vector<int32_t>{inner, door}));
    EXPECT_GT(order.layer_of_target(0), order.layer_of_target(1));
    EXPECT_EQ(order.out_of_order({door, 3 * 8 + 4}), 1);
    EXPECT_EQ(order.out_of_order({inner, 3 * 8 + 4}), 0);
    EXPECT_EQ(order.out_of_order({inner, door}), 0);
}

TEST(PackingOrder, AnOpenRoomHasNoOrder) {
    const SolverBoard board = load_board("#######\n#     #\n# .$. #\n#  $  #\n#  @  #\n#######\n");
    const PackingOrder order(board);
    EXPECT_EQ(order.layer_of_target(0), 0);
    EXPECT_EQ(order.layer_of_target(1), 0);
    EXPECT_EQ(order.out_of_order({2 + 2 * 7, 3 + 3 * 7}), 0);
    EXPECT_EQ(order.out_of_order({4 + 2 * 7, 3 + 3 * 7}), 0);
}
