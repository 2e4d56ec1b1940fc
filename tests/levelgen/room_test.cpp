#include "room.h"

#include <gtest/gtest.h>

#include <random>

#include "arena.h"
#include "board_rows.h"
#include "level_text.h"
#include "trim.h"

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

namespace {

// Walks from `from` to every square of the room's floor, in steps; the farthest walk's length.
int farthest_walk(const Puzzle& room, int from, int* farthest_square) {
    std::vector<int> steps(room.squares.size(), -1);
    std::vector<int> pending{from};
    steps[static_cast<size_t>(from)] = 0;
    int longest = 0;
    *farthest_square = from;
    for (size_t next = 0; next < pending.size(); ++next) {
        const int at = pending[next];
        const int walked = steps[static_cast<size_t>(at)];
        if (walked > longest) {
            longest = walked;
            *farthest_square = at;
        }
        for (int d = 0; d < 4; ++d) {
            const int to =
                room.index(room.column_of(at) + step_columns[d], room.row_of(at) + step_rows[d]);
            if (room.squares[static_cast<size_t>(to)] != Square::floor ||
                steps[static_cast<size_t>(to)] >= 0)
                continue;
            steps[static_cast<size_t>(to)] = walked + 1;
            pending.push_back(to);
        }
    }
    return longest;
}

}  // namespace

// A serpentine room is a lane two squares high winding from block row to block row: its ends
// lie a walk of at least a third of its floor apart, where a room of pieces is a compact heap.
TEST(CarveRoom, SerpentineWindsItsFloorIntoALongLane) {
    RoomShape shape{4, 3, 40, 80};
    shape.serpentine = true;
    int kept = 0;
    for (unsigned seed = 1; kept < 10 && seed <= 5000; ++seed) {
        std::mt19937 random(seed);
        Puzzle room;
        if (!carve_room(random, shape, room)) continue;
        ++kept;
        int floor = 0, first = -1;
        for (size_t square = 0; square < room.squares.size(); ++square) {
            if (room.squares[square] != Square::floor) continue;
            ++floor;
            if (first < 0) first = static_cast<int>(square);
        }
        int end = first;
        farthest_walk(room, first, &end);
        EXPECT_GE(3 * farthest_walk(room, end, &end), floor) << "seed " << seed;
    }
    EXPECT_EQ(kept, 10);
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
