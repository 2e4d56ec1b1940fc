#include "greedy.h"

#include <gtest/gtest.h>

#include "board_rows.h"
#include "solver/solver.h"

TEST(GreedyPlayer, SolvesWhatNeedsNoPlanningOnly) {
    // Each box has its own straight way home.
    EXPECT_TRUE(
        greedy_player_solves(game_level(board({"########", "#@$  . #", "#  $ . #", "########"}))));
    // The box beside the pocket is nearest its mouth; put there, it shuts the far target
    // off. It must go to the far end first.
    EXPECT_FALSE(greedy_player_solves(
        game_level(board({"#######", "#..$  #", "###   #", "###$  #", "###  @#", "#######"}))));
}
