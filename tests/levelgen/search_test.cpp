#include "search.h"

#include <gtest/gtest.h>

#include <random>

#include "generate.h"
#include "level_text.h"
#include "trim.h"

namespace {

Puzzle board(const std::vector<std::string>& rows) {
    Puzzle puzzle;
    std::string fault;
    EXPECT_TRUE(parse_rows(rows, puzzle, fault)) << fault;
    return puzzle;
}

SolveResult solve(const std::vector<std::string>& rows) {
    return solve_pushes(board(rows), 100000);
}

}  // namespace

TEST(SolvePushes, FindsTheFewestPushes) {
    EXPECT_EQ(solve({"#######", "#@ $ .#", "#######"}).pushes, 2);
    // Round a corner: two pushes right, then the man walks round for two pushes down.
    EXPECT_EQ(solve({"######", "#@   #", "# $  #", "#### #", "   #.#", "   ###"}).pushes, 4);
    // The near box must not block the far target: both travel along the top row.
    EXPECT_EQ(solve({"########", "#..    #", "####$$ #", "   #  @#", "   #####"}).pushes, 8);
    // Boxes may close a square of walls and boxes once every one of them is home.
    EXPECT_EQ(solve({"######", "#..  #", "#$$  #", "# @  #", "######"}).pushes, 2);
    // A box already home counts nothing.
    const auto home = solve({"######", "# * @#", "#  $ #", "#  . #", "######"});
    EXPECT_EQ(home.outcome, SolveResult::Outcome::solved);
    EXPECT_EQ(home.pushes, 1);
}

TEST(SolvePushes, ProvesDeadEndsUnsolvable) {
    // A box in a corner away from every target.
    EXPECT_EQ(solve({"#####", "#$ @#", "#  .#", "#####"}).outcome,
              SolveResult::Outcome::unsolvable);
    // Two boxes side by side against a wall can never part.
    EXPECT_EQ(solve({"#######", "# $$  #", "#    @#", "#..   #", "#######"}).outcome,
              SolveResult::Outcome::unsolvable);
    // A box behind a wall the man cannot get round.
    EXPECT_EQ(solve({"#######", "#@.#$ #", "#######"}).outcome, SolveResult::Outcome::unsolvable);
}

TEST(SolvePushes, GivesUpAtTheLimitInsteadOfGuessing) {
    const Puzzle puzzle = board({"########", "#..    #", "####$$ #", "   #  @#", "   #####"});
    EXPECT_EQ(solve_pushes(puzzle, 3).outcome, SolveResult::Outcome::gave_up);
}

TEST(Generate, EveryLevelNeedsExactlyThePushesItClaims) {
    // The pull search and the push search must agree: a mismatch means a generated level
    // is not what we say it is, or not solvable at all.
    GenerateOptions options;
    options.shape = RoomShape{3, 2, 10, 30};
    options.boxes = 2;
    options.min_pushes = 6;
    int checked = 0;
    for (unsigned seed = 1; checked < 12 && seed < 2000; ++seed) {
        std::mt19937 random(seed);
        const auto level = generate_level(random, options);
        if (!level) continue;
        ++checked;
        const SolveResult solved = solve_pushes(level->puzzle, 1000000);
        ASSERT_EQ(solved.outcome, SolveResult::Outcome::solved) << "seed " << seed;
        EXPECT_EQ(solved.pushes, level->pushes) << "seed " << seed;
        EXPECT_GE(level->pushes, options.min_pushes);
        EXPECT_GE(level->detour, 0);
        // What we write must read back as a valid level of the same board.
        Puzzle again;
        std::string fault;
        ASSERT_TRUE(parse_rows(format_rows(level->puzzle), again, fault))
            << "seed " << seed << ": " << fault;
        EXPECT_EQ(again.boxes, level->puzzle.boxes);
        EXPECT_EQ(again.man, level->puzzle.man);
    }
    EXPECT_EQ(checked, 12);
}

TEST(Trim, KeepsOnlyTheWallsRoundTheFloorAndNoHoles) {
    // Thick walls and a sealed pocket of floor in the corner.
    const Puzzle puzzle =
        board({"########", "########", "##@$ .##", "##### ##", "## #####", "########"});
    const Puzzle trim = trimmed(puzzle);
    // The row above the floor is the top; the sealed pocket two rows down is gone.
    EXPECT_EQ(format_rows(trim),
              (std::vector<std::string>{"######", "#@$ .#", "#### #", "   ###"}));
    // A wall ring one square thick round an island stays whole: no floor shows through.
    const Puzzle ring =
        board({"#######", "#@ $ .#", "# ### #", "# # # #", "# ### #", "#     #", "#######"});
    const auto rows = format_rows(trimmed(ring));
    EXPECT_EQ(rows[3], "# ### #");
}
