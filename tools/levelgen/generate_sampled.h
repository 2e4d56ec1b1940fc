#pragma once

#include <cstddef>
#include <optional>
#include <random>
#include <string>

#include "generate.h"
#include "level/solution_measures.h"
#include "puzzle.h"
#include "sampled_search.h"

struct SampledLevel {
    Puzzle puzzle;         // trimmed, ready to write
    std::string solution;  // move letters the game's rules replay to the end
    SolutionMeasures measures;
    int lower_bound = 0;  // the pushes the level needs at least
    int idle = 0;         // floor squares the solution has no use for
    int open_blocks = 0;  // 2 x 2 squares of open floor
    double score = 0;
    size_t states = 0;
};

// The pushes that undo `pulls` (see sampled_search.h) from the puzzle's start, each after the
// man's shortest walk to it, as move letters played through the game's rules; empty when the
// rules refuse one or the level is not solved at the end.
std::string solution_undoing(const Puzzle& puzzle, const Arena& arena,
                             const std::vector<Pull>& pulls);

// How a level's solution ranks: its lower bound on pushes, scaled by how often the player
// must turn to another box or walk off between pushes (box changes and sessions for each
// push), less what the room wastes (two for each idle square, one for each open 2 x 2).
double level_score(const SolutionMeasures& measures, int lower_bound, int idle, int open_blocks);

// 2 x 2 squares of the puzzle's floor with no wall in them.
int open_blocks(const Puzzle& puzzle);

struct SampledChoice {
    size_t beam_width = 2000;
    // Targets side by side in one stretch of floor, so that the boxes must come home in
    // order, instead of strewn about the room.
    bool clustered_targets = false;
};

// One try for a large room: carve it, put boxes on random targets and pull them back with the
// bounded search of sampled_search.h, choice.beam_width positions wide and at most
// options.state_limit positions for each layout of targets. Of the positions it returns, the
// best by level_score wins, among those with no box on a target, no more idle floor than
// options.max_idle and pushes within the options' range, that a greedy player cannot solve.
std::optional<SampledLevel> generate_sampled_level(std::mt19937& random,
                                                   const GenerateOptions& options,
                                                   const SampledChoice& choice);
