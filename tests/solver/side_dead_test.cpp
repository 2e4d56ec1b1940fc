// Squares dead for a box only with the man on one side: a pocket's mouth is dead with the man
// outside when he cannot get round, and alive when another way leads in.
#include "solver/side_dead.h"

#include <gtest/gtest.h>

#include "level_text.h"
#include "reference_search.h"

namespace {
constexpr int up = 2;

struct Loaded {
    std::unique_ptr<TLevelCollection> collection;
    SolverBoard board;
};

Loaded load(const std::string& map) {
    Loaded loaded{import_text("; 1\n'x\n" + map + "\n"), {}};
    std::string error;
    EXPECT_TRUE(loaded.board.load(*loaded.collection->get_level(0), error)) << error;
    return loaded;
}

void expect_optimum_kept(const TLevel& level) {
    const auto expected = reference_optimum(level, Optimise::pushes);
    const SolveResult result = solve_level(level, Optimise::pushes, SolveLimits());
    ASSERT_TRUE(expected.has_value());
    ASSERT_EQ(result.status, SolveStatus::solved);
    EXPECT_EQ(result.pushes, expected->first);
}
}  // namespace

TEST(SideDeadSquares, APocketMouthIsDeadWithTheManOutside) {
    const Loaded loaded = load("########\n#   @  #\n#.  $  #\n#### ###\n#### ###\n########\n");
    const SideDeadSquares side_dead(loaded.board);
    const int32_t mouth = 4 + 3 * 8;
    EXPECT_FALSE(loaded.board.is_dead(mouth));
    EXPECT_TRUE(side_dead.dead(mouth, up));
    expect_optimum_kept(*loaded.collection->get_level(0));
}

TEST(SideDeadSquares, ASecondWayInKeepsTheMouthAlive) {
    const Loaded loaded = load("########\n#   @  #\n#.  $  #\n## # ###\n#      #\n########\n");
    const SideDeadSquares side_dead(loaded.board);
    EXPECT_FALSE(side_dead.dead(4 + 3 * 8, up));
    expect_optimum_kept(*loaded.collection->get_level(0));
}
