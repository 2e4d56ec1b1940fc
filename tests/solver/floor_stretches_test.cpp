// The features of a child measured from what its macro changes must be those counted afresh,
// on every macro of random lines of play through crowded small rooms.
#include <gtest/gtest.h>

#include <random>

#include "solver/box_macros.h"
#include "solver/features.h"
#include "solver/man_walk.h"
#include "solver_boards.h"
#include "testlevels/pulled_level.h"

TEST(FloorStretches, EveryMacroMeasuresAsACountAfresh) {
    std::mt19937 random(11);
    int levels = 0, cuts = 0;
    for (uint32_t seed = 300; levels < 30; ++seed) {
        PulledLevelShape shape;
        shape.width = 8 + static_cast<int32_t>(seed % 4);
        shape.height = 8;
        shape.boxes = 5 + static_cast<int>(seed % 4);
        shape.wall_percent = 20;
        shape.corridors = static_cast<int>(seed % 2);
        shape.pulls = 80;
        shape.run = 3;
        TLevel level;
        if (!make_pulled_level(seed, shape, level)) continue;
        ++levels;
        SCOPED_TRACE("generated level seed " + std::to_string(seed));
        SolverBoard board;
        ASSERT_TRUE(board.load(level));
        const PackingOrder plan(board);
        FeatureMeter stepwise(board, plan), afresh(board, plan);
        std::vector<int32_t> boxes = board.start_boxes(), child;
        std::vector<uint8_t> occupied = occupied_by(board, boxes);
        int32_t man = board.man_start();
        ManWalk walk;
        BoxMacros macros;
        std::vector<BoxMacros::Destination> destinations;
        for (int step = 0; step < 40; ++step) {
            walk.walk(board, occupied, man);
            int32_t area = 0;
            const Features parent = afresh.measure(boxes, occupied, man, area);
            stepwise.open_position(boxes, occupied);
            std::vector<std::pair<size_t, BoxMacros::Destination>> moves;
            for (size_t i = 0; i < boxes.size(); ++i) {
                const int32_t from = boxes[i];
                stepwise.lift(occupied, from);
                macros.find(board, occupied, walk, from, destinations);
                for (const BoxMacros::Destination& destination : destinations) {
                    moves.push_back({i, destination});
                    occupied[from] = 0;
                    occupied[destination.square] = 1;
                    move_box(boxes, i, destination.square, child);
                    int32_t expected_area = 0, measured_area = 0;
                    const Features expected =
                        afresh.measure(child, occupied, destination.man, expected_area);
                    const Features measured = stepwise.measure_after(
                        child, occupied, destination.square, destination.man, measured_area);
                    EXPECT_TRUE(measured == expected) << from << " to " << destination.square;
                    EXPECT_EQ(measured_area, expected_area) << from << " to " << destination.square;
                    cuts += expected.connectivity > parent.connectivity ? 1 : 0;
                    occupied[destination.square] = 0;
                    occupied[from] = 1;
                }
            }
            if (moves.empty()) break;
            const auto& [i, destination] = moves[random() % moves.size()];
            occupied[boxes[i]] = 0;
            occupied[destination.square] = 1;
            move_box(boxes, i, destination.square, child);
            boxes = child;
            man = destination.man;
        }
    }
    // Boxes set down across a passage, so the walk round the cut pieces was tried.
    EXPECT_GT(cuts, 100);
}
