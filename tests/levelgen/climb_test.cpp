#include "climb.h"

#include <gtest/gtest.h>

#include "board_rows.h"
#include "generate.h"
#include "greedy.h"
#include "level/directions.h"
#include "level/floor_measures.h"
#include "level/move_letters.h"
#include "mutation.h"
#include "play_path.h"
#include "start_position.h"
#include "wall_in.h"

namespace {

int fewest_pushes(const Puzzle& puzzle, std::string* path = nullptr) {
    const SolveResult solved = solve_level(game_level(puzzle), Optimise::pushes, SolveLimits{});
    EXPECT_EQ(solved.status, SolveStatus::solved);
    if (path) *path = solved.path;
    return solved.pushes;
}

int count(const std::vector<bool>& marks) {
    int marked = 0;
    for (const bool mark : marks) marked += mark ? 1 : 0;
    return marked;
}

}  // namespace

TEST(WallIn, KeepsTheFewestPushesAndTakesTheIdleFloor) {
    // Ours, by hand: a side room nobody needs, and a box at home in a corner never pushed.
    std::vector<Puzzle> levels = {
        board({"########", "#@ $  .#", "# ##   #", "#      #", "########"}),
        board({"#######", "#*    #", "#@$ . #", "#     #", "#######"}),
        board({"#########", "#   #   #", "# $ $ . #", "#@  #  .#", "#########"}),
    };
    // And some of the exhaustive generator's, whose pushes its pull search has counted.
    GenerateOptions options;
    options.shape = RoomShape{3, 2, 10, 30};
    options.boxes = 2;
    options.max_idle = 100;
    std::vector<int> pulled_pushes(levels.size(), -1);
    for (unsigned seed = 1; levels.size() < 8 && seed < 500; ++seed) {
        std::mt19937 random(seed);
        if (const auto level = generate_level(random, options)) {
            levels.push_back(level->puzzle);
            pulled_pushes.push_back(level->pushes);
        }
    }
    ASSERT_EQ(levels.size(), 8u);
    for (size_t i = 0; i < levels.size(); ++i) {
        std::string path;
        const int before = fewest_pushes(levels[i], &path);
        if (pulled_pushes[i] >= 0) {
            EXPECT_EQ(before, pulled_pushes[i]) << i;
        }
        const auto walled = walled_in(levels[i], path);
        ASSERT_TRUE(walled) << i;
        EXPECT_EQ(fewest_pushes(walled->puzzle), before) << i;
        EXPECT_TRUE(replay_solves(game_level(walled->puzzle), path)) << i;
        // What the solution used is all the floor that is left.
        FloorMeasures measures;
        ASSERT_TRUE(measure_floor(game_level(walled->puzzle), path, measures)) << i;
        EXPECT_EQ(measures.idle, 0) << i;
    }
    // The corner box went with its square: one box and one target are left.
    std::string path;
    fewest_pushes(levels[1], &path);
    const Puzzle corner = walled_in(levels[1], path)->puzzle;
    EXPECT_EQ(count(corner.boxes), 1);
    EXPECT_EQ(count(corner.targets), 1);
    EXPECT_FALSE(walled_in(levels[0], "ll"));
}

TEST(Mutate, KeepsTheFloorInOnePieceInsideTheWallsAndTheTargetsInRange) {
    std::mt19937 random(7);
    GenerateOptions options;
    options.shape = RoomShape{4, 3, 20, 80};
    options.boxes = 5;
    std::optional<CarvedRoom> carved;
    while (!carved) carved = carve_floor(random, options);
    Puzzle room = carved->room;
    for (int i = 0; i < 5; ++i) room.targets[static_cast<size_t>(carved->floor[i])] = true;
    const TargetRange range{4, 6};
    int made = 0;
    for (int step = 0; step < 400; ++step) {
        made += mutate(random, range, room) ? 1 : 0;
        ASSERT_TRUE(floor_in_one_piece(room)) << step;
        for (int square = 0; square < static_cast<int>(room.squares.size()); ++square) {
            const int column = room.column_of(square), row = room.row_of(square);
            const bool ring =
                column == 0 || row == 0 || column == room.width - 1 || row == room.height - 1;
            const auto at = static_cast<size_t>(square);
            if (ring) {
                ASSERT_NE(room.squares[at], Square::floor) << step;
            }
            if (room.targets[at]) {
                ASSERT_EQ(room.squares[at], Square::floor) << step;
            }
        }
        ASSERT_GE(count(room.targets), range.fewest) << step;
        ASSERT_LE(count(room.targets), range.most) << step;
    }
    EXPECT_GT(made, 300);
}

TEST(PulledOn, EveryStartStaysSolvable) {
    // Pulls backwards from a solvable position: a pull played the wrong way round would leave
    // boxes where no push brings them home.
    Puzzle start =
        board({"#########", "#  .  . #", "# $##$  #", "#   #   #", "#@ $  . #", "#########"});
    std::mt19937 random(3);
    for (int round = 0; round < 6; ++round) {
        start = pulled_on(start, 4, random);
        EXPECT_EQ(count(start.boxes), 3);
        const SolveResult solved = solve_level(game_level(start), Optimise::pushes, SolveLimits{});
        ASSERT_EQ(solved.status, SolveStatus::solved) << round;
    }
}

TEST(Climb, KeepsProvenTightLevelsTheGreedyPlayerFails) {
    ClimbOptions options;
    options.shape = RoomShape{3, 3, 0, 0};
    options.boxes = TargetRange{3, 4};
    options.min_floor_per_box = 4.5;
    options.max_floor_per_box = 6.5;
    options.steps = 8;
    int kept = 0;
    for (unsigned seed = 1; kept < 3 && seed < 60; ++seed) {
        std::mt19937 random(seed);
        const auto level = climb_level(random, options);
        if (!level) continue;
        ++kept;
        const TLevel game = game_level(level->puzzle);
        FloorMeasures floor;
        ASSERT_TRUE(measure_floor(game, level->solution, floor)) << seed;
        EXPECT_EQ(floor.idle, 0) << seed;
        EXPECT_GE(floor.floor_per_box(), options.min_floor_per_box) << seed;
        EXPECT_LE(floor.floor_per_box(), options.max_floor_per_box) << seed;
        EXPECT_GE(floor.boxes, options.boxes.fewest) << seed;
        EXPECT_LE(floor.boxes, options.boxes.most) << seed;
        EXPECT_EQ(fewest_pushes(level->puzzle), level->measures.pushes) << seed;
        EXPECT_GE(level->measures.box_changes, floor.boxes) << seed;
        EXPECT_FALSE(greedy_player_solves(game)) << seed;
    }
    EXPECT_EQ(kept, 3);
}

// The long levels: targets side by side at the end of a winding lane, the boxes pulled back
// along it, each push weighing three, and a level short of `min_pushes` dropped.
TEST(Climb, BringsBoxesFromAfarToTargetsAtTheEndOfASerpentine) {
    ClimbOptions options;
    options.shape = RoomShape{4, 2, 0, 0};
    options.shape.serpentine = true;
    options.boxes = TargetRange{3, 4};
    options.min_floor_per_box = 5;
    options.max_floor_per_box = 7.5;
    options.steps = 0;
    options.targets = ClimbOptions::Targets::end;
    options.push_weight = 3;
    options.min_pushes = 30;
    int kept = 0;
    for (unsigned seed = 1; kept < 2 && seed < 400; ++seed) {
        std::mt19937 random(seed);
        const auto level = climb_level(random, options);
        if (!level) continue;
        ++kept;
        EXPECT_GE(level->measures.pushes, options.min_pushes) << seed;
        EXPECT_EQ(fewest_pushes(level->puzzle), level->measures.pushes) << seed;
        // The targets lie side by side: each next to another.
        const Puzzle& puzzle = level->puzzle;
        for (size_t square = 0; square < puzzle.squares.size(); ++square) {
            if (!puzzle.targets[square]) continue;
            bool beside = false;
            for (int d = 0; d < 4; ++d) {
                beside = beside || puzzle.targets[static_cast<size_t>(puzzle.index(
                                       puzzle.column_of(static_cast<int>(square)) + step_columns[d],
                                       puzzle.row_of(static_cast<int>(square)) + step_rows[d]))];
            }
            EXPECT_TRUE(beside) << seed << ": a target alone";
        }
    }
    EXPECT_EQ(kept, 2);
}

TEST(Climb, HardEndKeepsOnlyLevelsTheProofFindsDear) {
    // A proof stopped at a few hundred positions stands in for the million of the library's
    // hard end: a level it cannot finish is kept on a found solution, walled in from that one.
    ClimbOptions options;
    options.shape = RoomShape{3, 3, 0, 0};
    options.boxes = TargetRange{4, 5};
    options.steps = 4;
    options.proof_limits.positions = 400;
    options.least_positions = 300;
    int kept = 0, found = 0;
    for (unsigned seed = 1; kept < 4 && seed < 200; ++seed) {
        std::mt19937 random(seed);
        const auto level = climb_level(random, options);
        if (!level) continue;
        ++kept;
        found += level->proven ? 0 : 1;
        EXPECT_TRUE(!level->proven || level->positions >= options.least_positions) << seed;
        const TLevel game = game_level(level->puzzle);
        int32_t moves = 0, pushes = 0;
        EXPECT_TRUE(replay_moves(game, level->solution, moves, pushes)) << seed;
        FloorMeasures floor;
        ASSERT_TRUE(measure_floor(game, level->solution, floor)) << seed;
        EXPECT_EQ(floor.idle, 0) << seed;
        EXPECT_FALSE(greedy_player_solves(game)) << seed;
    }
    EXPECT_EQ(kept, 4);
    EXPECT_GT(found, 0);
}
