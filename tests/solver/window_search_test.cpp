// Dead groups found by searching a small window: a group the cheap tests miss is found, with
// the man's squares it holds for; boxes that can still go home give no group; the proof prunes
// positions holding a group; and on small random boards every position the groups call dead
// is one the plain search cannot solve.
#include "solver/window_search.h"

#include <gtest/gtest.h>

#include <random>

#include "reference_search.h"
#include "solver/freeze.h"
#include "solver/lower_bound.h"
#include "solver/push_search.h"
#include "solver_boards.h"
#include "support/board_text.h"

namespace {
// The bottom box can only be pushed along its row, from the corner, and the corner is shut by
// it and the box on the target above it, which can never leave without going into the corner.
const char* const shut_corner = "#######\n# @   #\n#*    #\n# $ . #\n#######";

int32_t square_at(const SolverBoard& board, int32_t column, int32_t row) {
    return column + row * board.width();
}

// True when some group round one of the start boxes holds with the man on `man`.
bool start_held(const SolverBoard& board, int32_t man) {
    const std::vector<uint8_t> occupied = occupied_by(board, board.start_boxes());
    for (int32_t box : board.start_boxes()) {
        if (board.dead_groups().holds(occupied, box, man)) return true;
    }
    return false;
}
}  // namespace

TEST(WindowSearch, FindsTheShutCornerThatNoCheapTestSeesAndOnlyWhereTheManCannotOpenIt) {
    const SolverBoard board = board_of_map(shut_corner);
    const std::vector<uint8_t> occupied = occupied_by(board, board.start_boxes());
    FreezeCheck freeze;
    PushLowerBound bound;
    for (int32_t box : board.start_boxes()) {
        std::vector<uint8_t> boxes = occupied;
        EXPECT_FALSE(freeze.frozen_off_target(board, boxes, box));
    }
    EXPECT_LT(bound.estimate(board, board.start_boxes()), SolverBoard::unreachable);
    EXPECT_TRUE(start_held(board, board.man_start()));
    EXPECT_TRUE(start_held(board, square_at(board, 5, 1)));
    // From the corner the man pushes the bottom box out along its row.
    EXPECT_FALSE(start_held(board, square_at(board, 1, 3)));
}

TEST(WindowSearch, BoxesThatCanGoHomeOrLeaveTheWindowAreNoGroup) {
    const SolverBoard home = board_of_map("########\n#. $ $.#\n#      #\n#  @   #\n########");
    EXPECT_FALSE(start_held(home, home.man_start()));
    // Two boxes in a corner pocket look stuck, but the man below pushes them up and out.
    const SolverBoard open =
        board_of_map("#########\n#.      #\n#.  ##  #\n#$$ ##  #\n#@      #\n#########");
    EXPECT_FALSE(start_held(open, open.man_start()));
    // The window alone decides: too small a window for the way out proves nothing.
    WindowSearch search;
    const int32_t box = square_at(home, 3, 1);
    EXPECT_FALSE(search.dead_in_window(home, {box, square_at(home, 5, 1)}, home.man_start(),
                                       square_at(home, 2, 0), 3, 5, 1000, home.dead_groups()));
}

TEST(WindowSearch, TheProofSkipsThePushIntoADeadGroupAndStaysOptimal) {
    // Pushed left, the bottom box would shut the corner as above; pushed right it goes home.
    const char* const map = "########\n#  @   #\n#*     #\n#  $ . #\n########";
    const auto collection = import_text("; 1\n'x\n" + std::string(map) + "\n");
    const SolverBoard board = board_of_map(map);
    std::vector<uint8_t> pushed_left =
        occupied_by(board, {square_at(board, 1, 2), square_at(board, 2, 3)});
    EXPECT_TRUE(
        board.dead_groups().holds(pushed_left, square_at(board, 2, 3), square_at(board, 3, 3)));
    EXPECT_FALSE(start_held(board, board.man_start()));
    const SolveResult result =
        solve_level(*collection->get_level(0), Optimise::pushes, SolveLimits());
    ASSERT_EQ(result.status, SolveStatus::solved);
    EXPECT_EQ(result.pushes, reference_optimum(*collection->get_level(0), Optimise::pushes)->first);
}

TEST(WindowSearch, EveryPositionHeldByAGroupOnSmallRandomBoardsIsUnsolvable) {
    std::mt19937 random(7);
    int claims = 0, boards = 0;
    for (int attempt = 0; attempt < 600; ++attempt) {
        const std::string map = random_small_map(random);
        if (map.empty()) continue;
        const auto collection = import_text("; 1\n'x\n" + map + "\n");
        SolverBoard board;
        if (collection->level_count() != 1 || !board.load(*collection->get_level(0))) continue;
        ++boards;
        if (!start_held(board, board.man_start())) continue;
        ++claims;
        EXPECT_FALSE(reference_optimum(*collection->get_level(0), Optimise::pushes)) << map;
    }
    EXPECT_GT(boards, 100);
    EXPECT_GT(claims, 10);
}
