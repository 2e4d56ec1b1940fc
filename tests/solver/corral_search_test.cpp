// The corral search: a corral whose pushes lead nowhere is a dead end even where corral
// pruning sees pushes to try; one whose door can be pushed open is alive.
#include "solver/corral_search.h"

#include <gtest/gtest.h>

#include "reference_search.h"
#include "solver/corral.h"
#include "solver_boards.h"
#include "support/board_text.h"

namespace {
struct Verdicts {
    CorralCheck::Verdict pruning;
    bool dead_end;
    bool solvable;
};

Verdicts judge_start(const std::string& map) {
    const auto collection = import_text("; 1\n'x\n" + map + "\n");
    const TLevel& level = *collection->get_level(0);
    SolverBoard board;
    const auto loaded = board.load(level);
    EXPECT_TRUE(loaded) << loaded.words();
    const std::vector<uint8_t> occupied = occupied_by(board, board.start_boxes());
    ManWalk walk;
    walk.walk(board, occupied, board.man_start());
    CorralCheck check;
    CorralSearch search(500);
    return {check.judge(board, occupied, walk, board.start_boxes()),
            search.dead_end(board, board.start_boxes(), occupied, walk, board.man_start()),
            reference_optimum(level, Optimise::pushes).has_value()};
}
}  // namespace

TEST(CorralSearch, ACorralThatCanNeverBeOpenedIsADeadEnd) {
    // The top-left corner and the target below it are shut in by three boxes; the man can
    // push some of them, but never in or home.
    const Verdicts verdicts = judge_start("#######\n# $.  #\n#.$   #\n#$.   #\n# @ # #\n#######\n");
    EXPECT_NE(verdicts.pruning, CorralCheck::Verdict::dead_end);
    EXPECT_TRUE(verdicts.dead_end);
    EXPECT_FALSE(verdicts.solvable);
}

TEST(CorralSearch, ACorralWithADoorToPushIsAlive) {
    // The doorway box goes up onto the row of the target and the man follows it in.
    const Verdicts verdicts = judge_start("########\n#  .   #\n###$####\n#   @$.#\n########\n");
    EXPECT_FALSE(verdicts.dead_end);
    EXPECT_TRUE(verdicts.solvable);
}

TEST(CorralSearch, ACapTooSmallToSettleCountsAsAlive) {
    const SolverBoard board =
        board_of_map("#######\n# $.  #\n#.$   #\n#$.   #\n# @ # #\n#######\n");
    const std::vector<uint8_t> occupied = occupied_by(board, board.start_boxes());
    ManWalk walk;
    walk.walk(board, occupied, board.man_start());
    CorralSearch search(0);
    EXPECT_FALSE(search.dead_end(board, board.start_boxes(), occupied, walk, board.man_start()));
}
