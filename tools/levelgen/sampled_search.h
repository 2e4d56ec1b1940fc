#pragma once

#include <cstddef>
#include <random>
#include <vector>

#include "arena.h"

// One pull: the box on cell `from` follows the man one cell in `direction` (as the board's,
// 0 to 3), the man stepping back one more. Played backwards it is a push.
struct Pull {
    int from = 0;
    int direction = 0;
};

struct SampledPosition {
    StateKey key;             // box cells in rising order, then the man's place
    std::vector<Pull> pulls;  // from the solved position to this one
    int lower_bound = 0;      // each box's fewest pushes to its nearest target, summed
};

struct SampledOptions {
    size_t state_limit = 1000000;  // positions met, in all
    size_t beam_width = 2000;      // positions carried from one pull to the next
    int max_pulls = 1000;
    size_t keep = 16;  // positions returned
};

struct SampledResult {
    std::vector<SampledPosition> best;  // the best scored first
    int depth = 0;                      // pulls made by the deepest positions kept
    size_t states = 0;
};

// A bounded search over pulls from the solved position (a box on every target cell, the man
// anywhere he can stand), for rooms too large for every position to be met. After each pull
// only the `beam_width` positions whose boxes are farthest from their targets are carried on,
// ties broken at random. Every position
// met is solvable by the pushes that undo its pulls, so their count bounds its fewest pushes
// from above. The positions returned are those at least `min_pulls` deep whose pulls were
// spent best on taking boxes away from their targets.
SampledResult sampled_pull_search(const Arena& arena, const std::vector<int>& target_cells,
                                  int min_pulls, std::mt19937& random,
                                  const SampledOptions& options);

// For every cell, the fewest pushes that bring a lone box there onto the nearest target,
// leaving aside whether the man can get round it; -1 where no target is reachable.
std::vector<int> nearest_target_pushes(const Arena& arena, const std::vector<int>& target_cells);
