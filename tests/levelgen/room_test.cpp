#include "room.h"

#include <gtest/gtest.h>

#include <random>

#include "arena.h"
#include "generate.h"
#include "level_text.h"
#include "search.h"

namespace {

Puzzle board(const std::vector<std::string>& rows) {
    Puzzle puzzle;
    std::string fault;
    EXPECT_TRUE(parse_rows(rows, puzzle, fault)) << fault;
    return puzzle;
}

}  // namespace

TEST(CarveRoom, KeepsOneWalledStretchOfFloorWithoutDeadEndsOrHalls) {
    const RoomShape shape{3, 3, 22, 40};
    int kept = 0;
    for (unsigned seed = 1; kept < 20 && seed <= 5000; ++seed) {
        std::mt19937 random(seed);
        Puzzle room;
        if (!carve_room(random, shape, room)) continue;
        ++kept;
        int floor = 0;
        int first = -1;
        for (int row = 0; row < room.height; ++row) {
            for (int column = 0; column < room.width; ++column) {
                const int square = room.index(column, row);
                if (room.squares[static_cast<size_t>(square)] != Square::floor) continue;
                ++floor;
                if (first < 0) first = square;
                ASSERT_TRUE(column > 0 && row > 0 && column < room.width - 1 &&
                            row < room.height - 1)
                    << "seed " << seed << ": floor on the edge";
                int walls = 0;
                for (int d = 0; d < 4; ++d) {
                    walls += room.squares[static_cast<size_t>(room.index(
                                 column + step_columns[d], row + step_rows[d]))] == Square::wall;
                }
                EXPECT_LT(walls, 3) << "seed " << seed << ": dead end";
            }
        }
        EXPECT_GE(floor, shape.min_floor);
        EXPECT_LE(floor, shape.max_floor);
        EXPECT_EQ(Arena(room, first).size(), floor) << "seed " << seed << ": floor in pieces";
    }
    EXPECT_EQ(kept, 20);
}

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

TEST(LevelMeasures, CountWhatTheLevelMakesUseOf) {
    const Puzzle tight = board({"#######", "#@$  .#", "#######"});
    EXPECT_EQ(straight_line_pushes(tight), 3);
    EXPECT_EQ(idle_squares(tight, 1000), 0);
    // A side room the solution never enters.
    const Puzzle roomy = board({"#######", "#@$  .#", "## ####", "#    #", "#    #", "######"});
    EXPECT_EQ(idle_squares(roomy, 1000), 8);
    // Corners away from the target hold no hope for a box; squares along its path do.
    const Arena arena(tight, tight.man);
    const auto live = arena.live_cells({arena.cell_of(tight.index(5, 1))});
    EXPECT_FALSE(live[static_cast<size_t>(arena.cell_of(tight.index(1, 1)))]);
    EXPECT_TRUE(live[static_cast<size_t>(arena.cell_of(tight.index(2, 1)))]);
}
