// The feature-space search: its features counted by hand on small boards, the box macros it
// moves by, and its solutions replayed through the game's rules.
#include "solver/feature_search.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "level/move_letters.h"
#include "solver/solution_path.h"
#include "solver_boards.h"
#include "support/board_text.h"
#include "testlevels/pulled_level.h"

namespace {
// Where the start box on `from` can be taken, as sorted squares.
std::vector<int32_t> macro_squares(const SolverBoard& board, int32_t from) {
    std::vector<uint8_t> occupied = occupied_by(board, board.start_boxes());
    ManWalk walk;
    walk.walk(board, occupied, board.man_start());
    BoxMacros macros;
    std::vector<BoxMacros::Destination> destinations;
    macros.find(board, occupied, walk, from, destinations);
    std::vector<int32_t> squares;
    for (const auto& destination : destinations) squares.push_back(destination.square);
    std::sort(squares.begin(), squares.end());
    squares.erase(std::unique(squares.begin(), squares.end()), squares.end());
    return squares;
}
}  // namespace

TEST(Features, PackingCountsOnlyTargetsFilledInPlanOrder) {
    // The passage's inner target (1,1) is filled before its door (2,1); a box on the door
    // alone has shut the way in and counts for nothing.
    const SolverBoard board = board_of_map("########\n#..    #\n###  $ #\n#@  $  #\n########\n");
    const PackingOrder plan(board);
    const FeatureMeter meter(board, plan);
    const int32_t inner = 1 + 8, door = 2 + 8, elsewhere = 4 + 3 * 8;
    EXPECT_EQ(meter.packing({door, elsewhere}), 0);
    EXPECT_EQ(meter.packing({inner, elsewhere}), 1);
    EXPECT_EQ(meter.packing({inner, door}), 2);
}

TEST(Features, ConnectivityCountsTheStretchesOfFreeFloor) {
    // Row 1: floor (1..6, 1); row 3: floor (1..6, 3); joined by the column (3, 2).
    const SolverBoard board = board_of_map("########\n#@   . #\n### ####\n#   $  #\n########\n");
    const PackingOrder plan(board);
    FeatureMeter meter(board, plan);
    const int32_t joint = 3 + 2 * 8, corner = 1 + 3 * 8, middle = 4 + 3 * 8;
    EXPECT_EQ(meter.connectivity(occupied_by(board, {middle})), 2);  // (5..6, 3) cut off
    EXPECT_EQ(meter.connectivity(occupied_by(board, {joint})), 2);   // the rows cut apart
    EXPECT_EQ(meter.connectivity(occupied_by(board, {corner})), 1);
    EXPECT_EQ(meter.connectivity(occupied_by(board, {joint, middle})), 3);
}

TEST(BoxMacros, TheManWalksRoundTheBoxToTurnIt) {
    // The target below and to the right is reached by a push right, a walk round over the
    // box, and a push down; no destination is dead or the box's own square.
    const SolverBoard board =
        board_of_map("#######\n#@    #\n# $   #\n#  .* #\n#     #\n#######\n");
    const int32_t box = 2 + 2 * 7;
    const std::vector<int32_t> squares = macro_squares(board, box);
    EXPECT_TRUE(std::binary_search(squares.begin(), squares.end(), 3 + 3 * 7));
    EXPECT_TRUE(std::binary_search(squares.begin(), squares.end(), 4 + 2 * 7));
    for (int32_t square : squares) EXPECT_FALSE(board.is_dead(square)) << square;
    EXPECT_FALSE(std::binary_search(squares.begin(), squares.end(), box));
    EXPECT_FALSE(std::binary_search(squares.begin(), squares.end(), 4 + 3 * 7));  // a box
}

TEST(BoxMacros, InATunnelTheBoxOnlyGoesOnToItsLastSquare) {
    // One wide: the man behind the box can only push it on, never get round it. It stops only
    // on the tunnel's last square before the target and on the target.
    const SolverBoard board = board_of_map("########\n#@$   .#\n########\n");
    EXPECT_EQ(macro_squares(board, 2 + 8), (std::vector<int32_t>{5 + 8, 6 + 8}));
}

TEST(BoxMacros, ATunnelStopsBeforeATarget) {
    // The square before the target is kept; those beyond it are dead.
    const SolverBoard board = board_of_map("#########\n#@$ .   #\n#########\n");
    EXPECT_EQ(macro_squares(board, 2 + 9), (std::vector<int32_t>{3 + 9, 4 + 9}));
}

TEST(BoxMacros, OtherBoxesStandStill) {
    // The second box blocks the row: the first can go one square and no further.
    const SolverBoard board = board_of_map("########\n#@$ $..#\n########\n");
    EXPECT_EQ(macro_squares(board, 2 + 8), std::vector<int32_t>{3 + 8});
}

TEST(BoxMacros, TheMacroPushesReplay) {
    // Five pushes of one box in one move, the last of them down.
    const std::string map = "#######\n#@    #\n# $   #\n#     #\n#    .#\n#######\n";
    const auto collection = import_text("; 1\n'x\n" + map + "\n");
    const TLevel& level = *collection->get_level(0);
    SolverBoard board;
    const auto loaded = board.load(level);
    ASSERT_TRUE(loaded) << loaded.words();
    std::vector<uint8_t> occupied = occupied_by(board, board.start_boxes());
    ManWalk walk;
    walk.walk(board, occupied, board.man_start());
    BoxMacros macros;
    const std::vector<Push> pushes =
        macros.pushes_to(board, occupied, walk, 2 + 2 * 7, {5 + 4 * 7, 5 + 3 * 7});
    ASSERT_FALSE(pushes.empty());
    int32_t moves = 0, counted = 0;
    EXPECT_TRUE(replay_moves(level, spell_path(board, pushes), moves, counted));
    EXPECT_EQ(counted, 5);
}

TEST(FeatureSearch, SolutionsReplayOnGeneratedLevels) {
    int checked = 0;
    for (uint32_t seed = 700; checked < 40; ++seed) {
        PulledLevelShape shape;
        shape.width = 7 + static_cast<int32_t>(seed % 3);
        shape.height = 7;
        shape.boxes = 2 + static_cast<int>(seed % 3);
        shape.pulls = 60;
        shape.run = 4;
        shape.goal_room = seed % 2 == 0;
        TLevel level;
        if (!make_pulled_level(seed, shape, level)) continue;
        ++checked;
        SCOPED_TRACE("generated level seed " + std::to_string(seed));
        SolverBoard board;
        const auto loaded = board.load(level);
        ASSERT_TRUE(loaded) << loaded.words();
        FeatureSearch search(board, SolveLimits());
        ASSERT_EQ(search.run(), SolveStatus::solved);
        int32_t moves = 0, pushes = 0;
        EXPECT_TRUE(replay_moves(level, spell_path(board, search.solution()), moves, pushes));
    }
}

TEST(FeatureSearch, ALevelWithoutASolutionRunsOutOfPositions) {
    // The box can reach the target's row only by the corridor, which ends one short of it.
    const SolverBoard board = board_of_map("######\n#@$  #\n## ###\n#.   #\n######\n");
    FeatureSearch search(board, SolveLimits());
    EXPECT_EQ(search.run(), SolveStatus::unsolvable);
}

TEST(FeatureSearch, LimitsGiveUnknown) {
    // A big open room with many boxes, far beyond a small memory or a moment's time.
    TLevel level;
    ASSERT_EQ(level.create(30, 30), 0);
    for (int32_t r = 0; r < 30; ++r) {
        for (int32_t c = 0; c < 30; ++c) {
            const bool edge = r == 0 || c == 0 || r == 29 || c == 29;
            level.set_cell(c, r, edge ? Cell::wall : Cell::floor);
        }
    }
    for (int32_t i = 0; i < 20; ++i) {
        level.set_cell(3 + 4 * (i % 6), 3 + 4 * (i / 6), Cell::box);
        level.set_cell(3 + 2 * (i % 10), 22 + 2 * (i / 10), Cell::target);
    }
    level.set_start(1, 1);
    SolverBoard board;
    const auto loaded = board.load(level);
    ASSERT_TRUE(loaded) << loaded.words();
    SolveLimits small;
    small.memory_bytes = board.memory_bytes() + (1 << 20);
    small.seconds = 600;  // the memory limit must stop it, even in a slow sanitizer build
    FeatureSearch full(board, small);
    EXPECT_EQ(full.run(), SolveStatus::unknown);
    EXPECT_STREQ(full.stopped_by(), "memory");
    EXPECT_GT(full.positions(), 500);
    SolveLimits no_time;
    no_time.seconds = 1e-9;
    FeatureSearch timed_out(board, no_time);
    EXPECT_EQ(timed_out.run(), SolveStatus::unknown);
    EXPECT_STREQ(timed_out.stopped_by(), "time");
}

TEST(PulledLevels, HardShapesPackTheTargetsIntoOneRoomWithFewBoxesHome) {
    int made = 0;
    for (uint32_t seed = 1; made < 5; ++seed) {
        PulledLevelShape shape;
        shape.width = shape.height = 14;
        shape.boxes = 10;
        shape.corridors = 2;
        shape.goal_room = true;
        shape.max_on_target_percent = 25;
        TLevel level;
        if (!make_pulled_level(seed, shape, level)) continue;
        ++made;
        SCOPED_TRACE("seed " + std::to_string(seed));
        SolverBoard board;
        const auto loaded = board.load(level);
        ASSERT_TRUE(loaded) << loaded.words();
        // Every target joins the first by steps over targets alone.
        std::vector<int32_t> joined{board.targets().front()};
        std::vector<uint8_t> seen(board.square_count(), 0);
        seen[joined.front()] = 1;
        for (size_t head = 0; head < joined.size(); ++head) {
            for (int direction = 0; direction < 4; ++direction) {
                const int32_t next = board.neighbour(joined[head], direction);
                if (!board.is_target(next) || seen[next]) continue;
                seen[next] = 1;
                joined.push_back(next);
            }
        }
        EXPECT_EQ(joined.size(), board.targets().size());
        int home = 0;
        for (int32_t box : board.start_boxes()) home += board.is_target(box) ? 1 : 0;
        EXPECT_LE(home * 100, 25 * shape.boxes);
    }
}
