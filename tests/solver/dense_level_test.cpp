// The dense benchmark set: its measures read boards right, and its levels keep to the shape
// the benchmark promises.
#include "testlevels/dense_level.h"

#include <gtest/gtest.h>

#include "support/board_text.h"
#include "testlevels/level_measures.h"

TEST(LevelMeasures, CountRoomsFloorAndBoxes) {
    // Two rooms joined by a one-wide passage, a one-wide dead end that is no room, and a pocket
    // the man never reaches.
    const TPlayLevel level = board_from({
        "##########",
        "#  ###  ##",
        "# *   $ ##",
        "#@.###. ##",
        "#  ########",
        "## # ######",
        "##########",
    });
    const LevelMeasures measures = measure_level(level);
    EXPECT_EQ(measures.boxes, 2);
    EXPECT_EQ(measures.boxes_on_targets, 1);
    EXPECT_EQ(measures.floor, 18);
    EXPECT_EQ(measures.rooms, 2);
}

TEST(DenseLevels, KeepToTheirShape) {
    // Two levels of each kind; most seeds give none, so the first few hundred are looked at.
    for (const bool packed : {true, false}) {
        int made = 0;
        for (uint32_t seed = 1; seed <= 300 && made < 2; ++seed) {
            TLevel level;
            if (!make_dense_level(seed, packed, level)) continue;
            ++made;
            SCOPED_TRACE("dense level seed " + std::to_string(seed));
            EXPECT_GE(level.get_width(), 10);
            EXPECT_LE(level.get_width(), 20);
            EXPECT_GE(level.get_height(), 10);
            EXPECT_LE(level.get_height(), 20);
            const LevelMeasures measures = measure_level(level);
            EXPECT_EQ(measures.boxes_on_targets, 0);
            EXPECT_GE(measures.boxes, 10);
            EXPECT_LE(measures.boxes, 24);
            EXPECT_GE(measures.floor, 4 * measures.boxes);
            EXPECT_LE(measures.floor, 7 * measures.boxes);
            EXPECT_GE(measures.rooms, 2);
        }
        EXPECT_EQ(made, 2) << (packed ? "packed" : "strewn");
    }
}
