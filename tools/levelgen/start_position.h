#pragma once

#include <cstddef>
#include <random>
#include <vector>

#include "puzzle.h"

struct PullLimits {
    // Positions the pull search that meets every position may look at; past them the sampled
    // beam search (sampled_search.h) takes over.
    size_t exhaustive_states = 200000;
    size_t sampled_states = 200000;
    size_t beam_width = 300;
    int max_pushes = 1000;
};

// Starts for the room's targets (a room of floor, walls and targets, without boxes or man),
// found by pulling back from the solved position, the most promising first: the farthest
// positions with the fewest boxes left on their targets and the longest detour when every
// position could be met, else the best the sampled search returns. A box left on its target
// and never pushed is walled in later (wall_in.h).
std::vector<Puzzle> pulled_starts(const Puzzle& room, std::mt19937& random,
                                  const PullLimits& limits);
