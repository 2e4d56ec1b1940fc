#pragma once

#include <cstddef>
#include <random>
#include <vector>

#include "puzzle.h"

struct PullLimits {
    // Positions the pull search that meets every position may look at; past them the sampled
    // beam search (sampled_search.h) takes over.
    size_t exhaustive_states = 30000;
    size_t sampled_states = 200000;
    // Narrow, so that the budget carries the beam deep: it meets about width x boxes x 4
    // positions for each pull.
    size_t beam_width = 50;
    int max_pushes = 1000;
};

// Starts for the room's targets (a room of floor, walls and targets, without boxes or man),
// found by pulling back from the solved position, the most promising first: the farthest
// positions with the fewest boxes left on their targets and the longest detour when every
// position could be met, else the best the sampled search returns. A box left on its target
// and never pushed is walled in later (wall_in.h).
std::vector<Puzzle> pulled_starts(const Puzzle& room, std::mt19937& random,
                                  const PullLimits& limits);

// The start pulled on by `pulls` more random pulls, each as the man can make it from where he
// stands; pulls that take a box farther from the targets are drawn three times as often. Every
// position pulled back to from a solvable one is solvable, so the climb can deepen a level it
// likes without searching its room again. Fewer pulls when the boxes are stuck.
Puzzle pulled_on(const Puzzle& start, int pulls, std::mt19937& random);
