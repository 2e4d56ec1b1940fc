#include "search.h"

#include <gtest/gtest.h>

#include <random>

#include "board_rows.h"
#include "generate.h"
#include "level/collection.h"
#include "level/game_format_writer.h"
#include "level_text.h"

TEST(PullSearch, PullsAsFarAsTheManHasRoomBehindHim) {
    // A corridor of six squares with the target at its left end: the man needs a square
    // behind him, so the box gets no further than the fifth square, four pushes from home.
    const Puzzle corridor = board({"########", "#*    @#", "########"});
    const Arena arena(corridor, corridor.man);
    const PullResult pulled = pull_search(arena, {arena.cell_of(corridor.index(1, 1))}, 1000);
    EXPECT_EQ(pulled.depth, 4);
    ASSERT_EQ(pulled.farthest.size(), 1u);
    EXPECT_EQ(arena.board_square(pulled.farthest[0][0]), corridor.index(5, 1));
}

TEST(PullSearch, StartsWithTheManOnEitherSideOfTheFinishedBoxes) {
    // Home boxes cut the corridor in two; pulling must start from both halves.
    const Puzzle split = board({"##########", "#@ **    #", "##########"});
    const Arena arena(split, split.man);
    const PullResult pulled = pull_search(
        arena, {arena.cell_of(split.index(3, 1)), arena.cell_of(split.index(4, 1))}, 1000);
    // The man can only ever work on one side; the long side wins.
    EXPECT_EQ(pulled.depth, 3);
}

TEST(Generate, EveryLevelReadsBackAndNeedsExactlyThePushesItClaims) {
    // The pull search and the solver must agree on what we write: a mismatch means a generated
    // level is not what we say it is, or not solvable at all.
    GenerateOptions options;
    options.shape = RoomShape{3, 2, 10, 30};
    options.boxes = 2;
    options.min_pushes = 6;
    std::vector<Generated> made;
    std::string text;
    for (unsigned seed = 1; made.size() < 12 && seed < 2000; ++seed) {
        std::mt19937 random(seed);
        const auto level = generate_level(random, options);
        if (!level) continue;
        made.push_back(*level);
        text += game_level_text(static_cast<int32_t>(made.size()), std::to_string(seed),
                                format_rows(level->puzzle));
    }
    ASSERT_EQ(made.size(), 12u);
    TLevelCollection collection;
    ASSERT_EQ(collection.take("made", parse_collection(text)), 0);
    ASSERT_EQ(collection.level_count(), 12);
    for (int32_t index = 0; index < collection.level_count(); ++index) {
        const Generated& level = made[static_cast<size_t>(index)];
        const TLevel& read = *collection.get_level(index);
        const std::string where = "seed " + read.get_title();
        EXPECT_GE(level.pushes, options.min_pushes) << where;
        EXPECT_GE(level.detour, 0) << where;
        // The game reads the board we meant, and the solver proves the pushes we claimed.
        const TLevel meant = game_level(level.puzzle);
        ASSERT_EQ(read.get_width(), meant.get_width()) << where;
        ASSERT_EQ(read.get_height(), meant.get_height()) << where;
        for (int32_t row = 0; row < read.get_height(); ++row) {
            for (int32_t column = 0; column < read.get_width(); ++column) {
                EXPECT_EQ(read.get_cell(column, row), meant.get_cell(column, row))
                    << where << " at " << column << "," << row;
            }
        }
        EXPECT_EQ(read.get_start_column(), meant.get_start_column()) << where;
        EXPECT_EQ(read.get_start_row(), meant.get_start_row()) << where;
        const SolveResult solved = solve_level(read, Optimise::pushes, SolveLimits{});
        ASSERT_EQ(solved.status, SolveStatus::solved) << where;
        EXPECT_EQ(solved.pushes, level.pushes) << where;
    }
}

TEST(LevelMeasures, CountWhatTheLevelMakesUseOf) {
    const Puzzle tight = board({"#######", "#@$  .#", "#######"});
    EXPECT_EQ(straight_line_pushes(tight), 3);
    EXPECT_EQ(idle_squares(tight, SolveLimits{}), 0);
    // A side room the solution never enters, its doorway too.
    const Puzzle roomy = board({"#######", "#@$  .#", "## ####", "#    #", "#    #", "######"});
    EXPECT_EQ(idle_squares(roomy, SolveLimits{}), 9);
    // Round a corner: the box's path must be followed through the turn; only the square
    // beside the man's start is of no use.
    const Puzzle corner = board({"######", "#@   #", "# $  #", "#### #", "   #.#", "   ###"});
    EXPECT_EQ(idle_squares(corner, SolveLimits{}), 1);
    // Nothing of a level the solver cannot prove is of use.
    const Puzzle stuck = board({"#####", "#$ @#", "#  .#", "#####"});
    EXPECT_EQ(idle_squares(stuck, SolveLimits{}), 20);
}
