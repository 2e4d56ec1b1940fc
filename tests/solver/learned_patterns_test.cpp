// Learned dead-end patterns: a group of boxes that can never all reach targets is learned and
// then found in other positions; a group that can is never kept; and on small random boards
// every dead end the rule claims is one the plain search cannot solve.
#include "solver/learned_patterns.h"

#include <gtest/gtest.h>

#include <random>

#include "reference_search.h"
#include "solver/lower_bound.h"
#include "solver_boards.h"
#include "support/board_text.h"

namespace {
// The box on the bottom row can only be pushed along it, from the corner, and the corner is
// shut by that box and the one on the target above it, which can never leave without going
// into the corner itself.
const char* const shut_corner = "#######\n# @   #\n#*    #\n# $ . #\n#######";
struct Loaded {
    Imported collection;
    SolverBoard board;
    bool ok = false;
};

Loaded load(const std::string& map) {
    Loaded loaded{import_text("; 1\n'x\n" + map + "\n"), {}, false};
    if (loaded.collection->level_count() == 1) {
        loaded.ok = static_cast<bool>(loaded.board.load(*loaded.collection->get_level(0)));
    }
    return loaded;
}

std::vector<uint8_t> occupied_by(const SolverBoard& board) {
    std::vector<uint8_t> occupied(board.square_count(), 0);
    for (int32_t box : board.start_boxes()) occupied[box] = 1;
    return occupied;
}

// Tries every start box as the one last pushed; true when some group round one is dead.
bool learns_at_start(const SolverBoard& board, LearnedPatterns& patterns) {
    const std::vector<uint8_t> occupied = occupied_by(board);
    for (int32_t box : board.start_boxes()) {
        if (patterns.learn(board, board.start_boxes(), occupied, box, board.man_start())) {
            return true;
        }
    }
    return false;
}
}  // namespace

TEST(LearnedPatterns, TwoBoxesShuttingTheOnlySquareToPushFromAreLearnedAndFoundAgain) {
    const Loaded level = load(shut_corner);
    ASSERT_TRUE(level.ok);
    const SolverBoard& board = level.board;
    // The cheap tests see nothing: every box may still reach a target of its own.
    PushLowerBound bound;
    EXPECT_LT(bound.estimate(board, board.start_boxes()), SolverBoard::unreachable);
    LearnedPatterns patterns(500);
    EXPECT_TRUE(learns_at_start(board, patterns));
    EXPECT_EQ(patterns.size(), 1u);
    const std::vector<uint8_t> occupied = occupied_by(board);
    EXPECT_TRUE(patterns.matches(board.start_boxes(), occupied, board.man_start()));
    // Anywhere else in his area the man is as stuck; in the corner he could push the box out.
    EXPECT_TRUE(patterns.matches(board.start_boxes(), occupied, 1 * board.width() + 5));
    EXPECT_FALSE(patterns.matches(board.start_boxes(), occupied, 3 * board.width() + 1));
    EXPECT_FALSE(reference_optimum(*level.collection->get_level(0), Optimise::pushes));
}

TEST(LearnedPatterns, BoxesThatCanAllGoHomeAreNeverKept) {
    const Loaded level = load("########\n#. $ $.#\n#      #\n#  @   #\n########");
    ASSERT_TRUE(level.ok);
    LearnedPatterns patterns(500);
    EXPECT_FALSE(learns_at_start(level.board, patterns));
    EXPECT_EQ(patterns.size(), 0u);
    EXPECT_FALSE(patterns.matches(level.board.start_boxes(), occupied_by(level.board),
                                  level.board.man_start()));
}

TEST(LearnedPatterns, ASearchStoppedByItsCapProvesNothing) {
    // Three boxes round the top-left corner can be pushed about a while but never all home.
    const Loaded level = load("#######\n# $.  #\n#.$   #\n#$.   #\n# @ # #\n#######");
    ASSERT_TRUE(level.ok);
    LearnedPatterns enough(500), too_few(0);
    EXPECT_TRUE(learns_at_start(level.board, enough));
    EXPECT_FALSE(learns_at_start(level.board, too_few));
    EXPECT_FALSE(reference_optimum(*level.collection->get_level(0), Optimise::pushes));
}

TEST(LearnedPatterns, EveryClaimedDeadEndOnSmallRandomBoardsIsUnsolvable) {
    std::mt19937 random(18);
    int claims = 0, boards = 0;
    for (int attempt = 0; attempt < 400; ++attempt) {
        const std::string map = random_small_map(random);
        if (map.empty()) continue;
        const Loaded level = load(map);
        if (!level.ok) continue;
        ++boards;
        LearnedPatterns patterns(500);
        if (!learns_at_start(level.board, patterns)) continue;
        ++claims;
        EXPECT_FALSE(reference_optimum(*level.collection->get_level(0), Optimise::pushes)) << map;
    }
    EXPECT_GT(boards, 100);
    EXPECT_GT(claims, 10);
}
