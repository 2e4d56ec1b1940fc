#include "solver/solver.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>

#include "level/rules.h"
#include "reference_search.h"
#include "solver_boards.h"
#include "support/board_text.h"
#include "testlevels/pulled_level.h"

namespace {
// Tests run with a fixed seed; PUSHWELL_SEED replays another one.
uint32_t test_seed() {
    const char* chosen = std::getenv("PUSHWELL_SEED");
    const uint32_t seed = chosen ? static_cast<uint32_t>(std::strtoul(chosen, nullptr, 10)) : 2026;
    std::cout << "seed " << seed << std::endl;
    return seed;
}

SolveResult solve_text(const std::string& text, Optimise optimise = Optimise::pushes) {
    const auto collection = import_text(text);
    EXPECT_EQ(collection->level_count(), 1);
    return solve_level(*collection->get_level(0), optimise, SolveLimits());
}

// Counts the path's steps and pushes by its letters, apart from the solver's own counting.
void expect_counts_match_letters(const SolveResult& result) {
    int32_t pushes = 0;
    for (char c : result.path) pushes += std::isupper(static_cast<unsigned char>(c)) ? 1 : 0;
    EXPECT_EQ(static_cast<int32_t>(result.path.size()), result.moves);
    EXPECT_EQ(pushes, result.pushes);
}

void cross_check_generated_levels(Optimise optimise, uint32_t seed, int wanted) {
    int checked = 0;
    for (uint32_t n = 0; checked < wanted; ++n) {
        PulledLevelShape shape;
        shape.width = 5 + static_cast<int32_t>((seed + n) % 3);
        shape.height = 5 + static_cast<int32_t>((seed + n / 3) % 3);
        shape.boxes = 1 + static_cast<int>((seed + n) % 3);
        shape.wall_percent = 10;
        shape.pulls = 12;
        TLevel level;
        if (!make_pulled_level(seed * 7919 + n, shape, level)) continue;
        ++checked;
        SCOPED_TRACE("generated level seed " + std::to_string(seed * 7919 + n));
        const auto expected = reference_optimum(level, optimise);
        ASSERT_TRUE(expected.has_value()) << "pulled levels are always solvable";
        const SolveResult result = solve_level(level, optimise, SolveLimits());
        ASSERT_EQ(result.status, SolveStatus::solved) << result.reason;
        expect_counts_match_letters(result);
        if (optimise == Optimise::pushes) {
            EXPECT_EQ(result.pushes, expected->first);
            EXPECT_GE(result.moves, expected->second);
        } else {
            EXPECT_EQ(result.moves, expected->first);
            EXPECT_EQ(result.pushes, expected->second);
        }
        EXPECT_EQ(result.bound, expected->first);
    }
}
}  // namespace

TEST(SolverOptimum, PushCountsMatchExhaustiveSearchOnGeneratedLevels) {
    cross_check_generated_levels(Optimise::pushes, test_seed(), 120);
}

TEST(SolverOptimum, MoveCountsMatchExhaustiveSearchOnGeneratedLevels) {
    cross_check_generated_levels(Optimise::moves, test_seed() + 1, 80);
}

// Hand-made levels whose traps a pruning rule could get wrong: the man boxed in at the start,
// a box that must leave its target first, and a push-optimal path that costs extra walking.
TEST(SolverOptimum, TrickyLevelsMatchExhaustiveSearch) {
    const char* levels[] = {
        // The box starts on a target and is in the way of the other.
        "; 1\n'Swap\n########\n#      #\n#      #\n#@*$  .#\n#      #\n#      #\n########\n\n",
        // Two boxes in a row: the near one must go round.
        "; 1\n'Row\n########\n#      #\n#      #\n#@$$ ..#\n#      #\n#      #\n########\n\n",
        // The man starts in a gap of the wall, on a square the fill made outside: he can push
        // from there once and never come back.
        "; 1\n'Doorstep\n ####\n##  ###\n#@$  .#\n# #####\n# #\n\n",
        // A long way round for fewer pushes.
        "; 1\n'Detour\n#########\n#.  #   #\n# $ # # #\n#@    # #\n####### #\n#       #\n#########"
        "\n\n",
    };
    for (const char* text : levels) {
        SCOPED_TRACE(text);
        const auto collection = import_text(text);
        ASSERT_EQ(collection->level_count(), 1);
        const TLevel& level = *collection->get_level(0);
        for (Optimise optimise : {Optimise::pushes, Optimise::moves}) {
            const auto expected = reference_optimum(level, optimise);
            const SolveResult result = solve_level(level, optimise, SolveLimits());
            ASSERT_TRUE(expected.has_value());
            ASSERT_EQ(result.status, SolveStatus::solved) << result.reason;
            EXPECT_EQ(result.bound, expected->first);
            if (optimise == Optimise::moves) {
                EXPECT_EQ(result.moves, expected->first);
                EXPECT_EQ(result.pushes, expected->second);
            } else {
                EXPECT_EQ(result.pushes, expected->first);
            }
        }
    }
}

TEST(SolverOptimum, AlreadySolvedLevelNeedsNoPush) {
    const SolveResult result = solve_text("; 1\n'Done\n#####\n#@* #\n#####\n\n");
    EXPECT_EQ(result.status, SolveStatus::solved);
    EXPECT_EQ(result.path, "");
    EXPECT_EQ(result.pushes, 0);
}

// Each of these is lost from the start; the search must say so, not guess or give up.
TEST(SolverVerdicts, DeadLevelsAreUnsolvable) {
    const char* levels[] = {
        // A box in a corner.
        "; 1\n'Corner\n######\n#$   #\n#  @.#\n######\n\n",
        // Two boxes side by side against a wall.
        "; 1\n'Pair\n#######\n#  $$ #\n# @ ..#\n#     #\n#######\n\n",
        // Two boxes side by side, one of them already home: the other still cannot move.
        "; 1\n'Half home\n#######\n#  *$ #\n# @  .#\n#     #\n#######\n\n",
        // Nothing is frozen at the start, but the one push there is leads away from the target.
        "; 1\n'Dead end\n#######\n#.@ $ #\n#######\n\n",
        // A box against a wall with no target along that wall.
        "; 1\n'Wall\n#######\n#  $  #\n# @   #\n#   . #\n#######\n\n",
    };
    for (const char* text : levels) {
        SCOPED_TRACE(text);
        const auto collection = import_text(text);
        ASSERT_EQ(collection->level_count(), 1);
        const TLevel& level = *collection->get_level(0);
        ASSERT_FALSE(reference_optimum(level, Optimise::pushes).has_value());
        for (Optimise optimise : {Optimise::pushes, Optimise::moves}) {
            EXPECT_EQ(solve_level(level, optimise, SolveLimits()).status, SolveStatus::unsolvable);
        }
    }
}

TEST(SolverVerdicts, LimitsGiveUnknownWithAProvenBound) {
    PulledLevelShape shape;
    TLevel level;
    uint32_t seed = 1;
    while (!make_pulled_level(seed, shape, level)) ++seed;
    SolveLimits no_time;
    no_time.seconds = 1e-9;
    const SolveResult timed_out = solve_level(level, Optimise::pushes, no_time);
    EXPECT_EQ(timed_out.status, SolveStatus::unknown);
    EXPECT_EQ(timed_out.reason, "time");
    SolveLimits no_memory;
    no_memory.memory_bytes = 1;
    const SolveResult full = solve_level(level, Optimise::pushes, no_memory);
    EXPECT_EQ(full.status, SolveStatus::unknown);
    EXPECT_EQ(full.reason, "memory");
    const SolveResult solved = solve_level(level, Optimise::pushes, SolveLimits());
    ASSERT_EQ(solved.status, SolveStatus::solved);
    EXPECT_LE(timed_out.bound, solved.pushes);
    EXPECT_GT(timed_out.bound, 0);
}

// A big open room with many boxes: the search must stop at its memory limit, and a board whose
// tables alone would pass the limit is not even loaded.
TEST(SolverVerdicts, BigLevelsStayWithinTheMemoryLimit) {
    const TLevel level = crowded_room();
    SolveLimits limits;
    limits.memory_bytes = 1 << 20;
    limits.seconds = 600;  // the memory limit must stop it, even in a slow sanitizer build
    const SolveResult result = solve_level(level, Optimise::pushes, limits);
    EXPECT_EQ(result.status, SolveStatus::unknown);
    EXPECT_EQ(result.reason, "memory");
    EXPECT_GT(result.positions, 500);

    TLevel huge;
    ASSERT_EQ(huge.create(max_board_side, max_board_side), 0);
    for (int32_t i = 0; i < 500; ++i) {
        huge.set_cell(2 + i, 2, Cell::box);
        huge.set_cell(2 + i, 4, Cell::target);
    }
    const SolveResult refused = solve_level(huge, Optimise::pushes, SolveLimits());
    EXPECT_EQ(refused.status, SolveStatus::unknown);
    EXPECT_EQ(refused.reason, "memory");
}

// A room of floor walled round, with the man, a box and its target in a row along the top.
TLevel open_room(int32_t width, int32_t height) {
    TLevel level;
    level.create(width, height);
    for (int32_t r = 0; r < height; ++r) {
        for (int32_t c = 0; c < width; ++c) {
            if (r == 0 || c == 0 || r == height - 1 || c == width - 1)
                level.set_cell(c, r, Cell::wall);
        }
    }
    level.set_start(width - 4, 1);
    level.set_cell(width - 3, 1, Cell::box);
    level.set_cell(width - 2, 1, Cell::target);
    return level;
}

TEST(SolverLimits, TakesTheLargestBoardAndRefusesAnyLarger) {
    const SolveResult largest = solve_level(open_room(1000, 1000), Optimise::moves, SolveLimits());
    EXPECT_EQ(largest.status, SolveStatus::solved) << largest.reason;
    EXPECT_EQ(largest.path, "R");
    for (const auto& [width, height] : {std::pair{1001, 3}, std::pair{5, 1001}}) {
        const SolveResult larger = solve_level(open_room(width, height), Optimise::pushes, {});
        EXPECT_EQ(larger.status, SolveStatus::invalid);
        EXPECT_EQ(larger.reason, "level is larger than 1000 x 1000");
    }
    // The distance tables count against the memory limit before they are made.
    SolveLimits small;
    small.memory_bytes = 1 << 20;
    const SolveResult tight = solve_level(open_room(1000, 1000), Optimise::pushes, small);
    EXPECT_EQ(tight.status, SolveStatus::unknown);
    EXPECT_EQ(tight.reason, "memory");
}
