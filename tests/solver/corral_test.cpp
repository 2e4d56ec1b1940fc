// Corral pruning: where it must cut pushes or a whole position, and where cutting would lose
// the way to the optimum.
#include "solver/corral.h"

#include <gtest/gtest.h>

#include "reference_search.h"
#include "solver_boards.h"
#include "support/board_text.h"

namespace {
struct Judged {
    CorralCheck::Verdict verdict;
    std::vector<int32_t> allowed;  // the start boxes the check lets be pushed
};

Judged judge_start(const std::string& map) {
    const SolverBoard board = board_of_map(map);
    const std::vector<uint8_t> occupied = occupied_by(board, board.start_boxes());
    ManWalk walk;
    walk.walk(board, occupied, board.man_start());
    CorralCheck corral;
    Judged judged{corral.judge(board, occupied, walk, board.start_boxes()), {}};
    for (int32_t box : board.start_boxes()) {
        if (corral.allows(box)) judged.allowed.push_back(box);
    }
    return judged;
}

void expect_optimum_kept(const std::string& map) {
    const auto collection = import_text("; 1\n'x\n" + map + "\n");
    const TLevel& level = *collection->get_level(0);
    const auto expected = reference_optimum(level, Optimise::pushes);
    const SolveResult result = solve_level(level, Optimise::pushes, SolveLimits());
    ASSERT_TRUE(expected.has_value());
    ASSERT_EQ(result.status, SolveStatus::solved);
    EXPECT_EQ(result.pushes, expected->first);
}

// Squares are column + row * width; the maps below are 7 or 8 wide.
constexpr int32_t at(int32_t column, int32_t row, int32_t width) {
    return column + row * width;
}
}  // namespace

TEST(CorralPruning, CutsToThePushesIntoACorral) {
    // The doorway box and the box before the right-hand target each close a corral that needs
    // work; both allow only pushes into them, and the first is taken.
    const std::string map = "########\n#  .   #\n###$####\n#   @$.#\n########\n";
    const Judged judged = judge_start(map);
    EXPECT_EQ(judged.verdict, CorralCheck::Verdict::only);
    EXPECT_EQ(judged.allowed, std::vector<int32_t>{at(3, 2, 8)});
    expect_optimum_kept(map);
}

TEST(CorralPruning, AFinishedCorralIsLeftAlone) {
    // The doorway box sits on its target and the room behind has none: nothing must go in,
    // so only the corral of the right-hand box narrows the pushes.
    const std::string map = "#######\n#     #\n###*###\n#@  $.#\n#######\n";
    const Judged judged = judge_start(map);
    EXPECT_EQ(judged.verdict, CorralCheck::Verdict::only);
    EXPECT_EQ(judged.allowed, std::vector<int32_t>{at(4, 3, 7)});
    expect_optimum_kept(map);
}

TEST(CorralPruning, APushOutOfTheCorralKeepsEveryPush) {
    // The box below the empty target can also go left or right in the man's area.
    const std::string map = "#######\n###.###\n#  $  #\n#@    #\n#  $ .#\n#######\n";
    EXPECT_EQ(judge_start(map).verdict, CorralCheck::Verdict::any);
    expect_optimum_kept(map);
}

TEST(CorralPruning, ACorralNoPushCanOpenIsADeadEnd) {
    // The doorway box is held by the box behind it, which the man can never reach, and
    // freezing alone does not see it: the box behind could still move sideways.
    EXPECT_EQ(judge_start("#######\n#. .  #\n#  $  #\n###$###\n#  @  #\n#######\n").verdict,
              CorralCheck::Verdict::dead_end);
}
