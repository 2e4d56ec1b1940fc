#include "level/floor_measures.h"

#include <gtest/gtest.h>

#include "support/board_text.h"

// Counted by hand: the floor is what the man reaches with the boxes taken away (a walled-in
// pocket is not), a box left on its target is scenery, and idle squares are those nobody
// stands on along the solution.
TEST(FloorMeasures, CountedByHand) {
    const TPlayLevel level = board_from({
        "##########",
        "#@$ . # ##",
        "#  *  ####",
        "##########",
    });
    FloorMeasures measures;
    ASSERT_TRUE(measure_floor(level, "RR", measures));
    EXPECT_EQ(measures.floor, 10);
    EXPECT_EQ(measures.boxes, 1);
    EXPECT_DOUBLE_EQ(measures.floor_per_box(), 10.0);
    // The man walks (1,1) to (3,1), the box ends on (4,1): the lower row and (5,1) are idle,
    // the square under the box that never moves among them.
    EXPECT_EQ(measures.idle, 6);

    // A step down and back before the pushes uses one square of the lower row.
    ASSERT_TRUE(measure_floor(level, "duRR", measures));
    EXPECT_EQ(measures.idle, 5);
    // Letters that leave the level unsolved, or that it does not take, measure nothing.
    for (const char* letters : {"R", "RRR", "lRR", "xRR"}) {
        EXPECT_FALSE(measure_floor(level, letters, measures)) << letters;
        EXPECT_EQ(measures.floor, 0) << letters;
    }
}
