// The features behind the advisors, counted by hand on small boards, and the advisors' choices.
// All boards are 10 squares wide.
#include "solver/advisors.h"

#include <gtest/gtest.h>

#include "solver/plan_zones.h"
#include "solver_boards.h"

namespace {
constexpr int32_t width = 10;
constexpr int32_t at(int32_t column, int32_t row) {
    return column + row * width;
}
}  // namespace

TEST(PlanZones, BoxesBehindTheNextLayerAreOutOfPlan) {
    // The targets' column 4 is filled first, column 5 last; the man comes from the right. A
    // box left of the targets must cross column 4 before it is filled.
    const SolverBoard board = board_of_map(
        "##########\n"
        "#   ..   #\n"
        "#   ..$$@#\n"
        "####  $$ #\n"
        "##########\n");
    const PackingOrder plan(board);
    PlanZones zones(board, plan);
    EXPECT_EQ(zones.out_of_plan({at(6, 2), at(6, 3), at(7, 2), at(7, 3)}), 0);
    EXPECT_EQ(zones.out_of_plan({at(2, 2), at(6, 2), at(7, 2), at(7, 3)}), 1);
    EXPECT_EQ(zones.out_of_plan({at(2, 1), at(3, 2), at(6, 2), at(7, 2)}), 2);
    // Column 4 filled: the last step's zone holds the boxes already shut in on the left.
    EXPECT_EQ(zones.steps_done({at(4, 1), at(4, 2), at(6, 2), at(7, 2)}), 1);
    EXPECT_EQ(zones.out_of_plan({at(4, 1), at(4, 2), at(6, 2), at(7, 2)}), 0);
    EXPECT_EQ(zones.out_of_plan({at(2, 2), at(4, 1), at(4, 2), at(6, 2)}), 1);
    // Measured from the move alone, as the search does, a target filled or not.
    zones.open_position({at(2, 2), at(6, 2), at(7, 2), at(7, 3)});
    EXPECT_EQ(zones.out_of_plan_after({at(3, 2), at(6, 2), at(7, 2), at(7, 3)}, at(2, 2), at(3, 2)),
              1);
    EXPECT_EQ(zones.out_of_plan_after({at(2, 2), at(6, 2), at(6, 3), at(7, 2)}, at(7, 3), at(6, 3)),
              1);
    EXPECT_EQ(zones.out_of_plan_after({at(6, 2), at(6, 3), at(7, 2), at(7, 3)}, at(2, 2), at(6, 3)),
              0);
    EXPECT_EQ(zones.out_of_plan_after({at(2, 2), at(4, 2), at(7, 2), at(7, 3)}, at(6, 2), at(4, 2)),
              1);
    // A box on a target is never out of plan.
    EXPECT_EQ(zones.out_of_plan({at(4, 1), at(5, 1), at(6, 2), at(7, 2)}), 0);
}

TEST(Advisors, EachNamesTheBestChildThatBettersItsFeatureWithoutUnpacking) {
    // Each advisor in turn: a parent with 2 of its feature, children that lower it alone, lower
    // it further but unpack a box, or raise it.
    int16_t Features::*const features[] = {&Features::connectivity, &Features::out_of_plan};
    for (int16_t Features::*feature : features) {
        Features parent;
        parent.packing = 3;
        parent.*feature = 2;
        std::vector<MeasuredChild> children(4, {0, parent, 10});
        children[0].features.*feature = 3;
        children[1].features.*feature = 1;
        children[2].features.*feature = 1;
        children[2].estimate = 8;  // as good, fewer pushes left: named instead of child 1
        children[3].features.*feature = 0;
        children[3].features.packing = 2;
        std::vector<uint8_t> advised;
        advise(parent, children, advised);
        EXPECT_EQ(advised, (std::vector<uint8_t>{0, 0, 1, 0}));
        // Nothing better: nothing named.
        children.resize(2);
        children[1].features.*feature = 2;
        advise(parent, children, advised);
        EXPECT_EQ(advised, (std::vector<uint8_t>{0, 0}));
    }
}

TEST(Advisors, PackingNamesTheChildThatFillsMost) {
    Features parent;
    parent.packing = 1;
    parent.connectivity = 1;
    std::vector<MeasuredChild> children(3, {0, parent, 10});
    children[0].features.packing = 2;
    children[0].features.connectivity = 2;  // fills, though it cuts the floor
    children[2].features.packing = 0;
    std::vector<uint8_t> advised;
    advise(parent, children, advised);
    EXPECT_EQ(advised, (std::vector<uint8_t>{1, 0, 0}));
}
