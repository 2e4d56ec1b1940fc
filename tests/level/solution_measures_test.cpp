#include "level/solution_measures.h"

#include <gtest/gtest.h>

TEST(SolutionMeasures, CountedByHand) {
    struct Case {
        const char* letters;
        int moves, pushes, box_changes, sessions, box_lines;
    };
    const Case cases[] = {
        {"", 0, 0, 0, 0, 0},
        {"rrd", 3, 0, 0, 0, 0},
        // One box straight on: one session, one line.
        {"RRR", 3, 3, 0, 1, 1},
        // The man walks round the box and pushes it on upwards: same box, a new line.
        {"RRdrUU", 6, 4, 0, 2, 2},
        // He steps back to the side he pushed from and goes on: still one line.
        {"RdlurR", 6, 2, 0, 2, 1},
        // Two boxes at once: the second push moves a box that stood beside the first.
        {"RU", 2, 2, 1, 1, 2},
        // A box on each side of the man: right, left, then the right one again.
        {"RlLrrR", 6, 3, 2, 3, 3},
        // Anything but move letters is passed over.
        {"R R\n", 2, 2, 0, 1, 1},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.letters);
        const SolutionMeasures measured = measure_solution(test.letters);
        EXPECT_EQ(measured.moves, test.moves);
        EXPECT_EQ(measured.pushes, test.pushes);
        EXPECT_EQ(measured.box_changes, test.box_changes);
        EXPECT_EQ(measured.sessions, test.sessions);
        EXPECT_EQ(measured.box_lines, test.box_lines);
    }
}
