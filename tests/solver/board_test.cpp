// The board model read as a room still being filled: the generator and the test levels walk
// rooms before their boxes and man are placed, while the solver still refuses such a level.
#include "solver/board.h"

#include <gtest/gtest.h>

#include "support/board_text.h"

TEST(SolverBoard, ReadsARoomWithoutBoxesOrManThatTheSolverRefuses) {
    TPlayLevel room = board_from({"#####", "#. .#", "#####"});
    room.set_start(-1, -1);
    SolverBoard board;
    const auto loaded = board.load(room);
    EXPECT_FALSE(loaded);
    EXPECT_EQ(loaded.words(), "there must be one guy");
    ASSERT_TRUE(board.load_room(room));
    EXPECT_EQ(board.man_start(), SolverBoard::no_square);
    EXPECT_EQ(board.targets(), (std::vector<int32_t>{6, 8}));
    EXPECT_TRUE(board.start_boxes().empty());
    // Steps follow the shared table, walls are on the board but not free, the edge ends it.
    EXPECT_EQ(board.neighbour(7, 0), 6);
    EXPECT_EQ(board.neighbour(7, 3), 12);
    EXPECT_FALSE(board.is_free(board.neighbour(7, 2)));
    EXPECT_EQ(board.neighbour(4, 1), SolverBoard::no_square);
    EXPECT_EQ(board.neighbour(7, 1), 7 + step_columns[1] + step_rows[1] * board.width());
    // A level without a board is refused in the game's words.
    const auto room_loaded = board.load_room(TLevel());
    EXPECT_FALSE(room_loaded);
    EXPECT_EQ(room_loaded.words(), "level is smaller than 3 x 3");
}
