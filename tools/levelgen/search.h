#pragma once

#include <cstddef>
#include <vector>

#include "arena.h"
#include "puzzle.h"

struct PullResult {
    int depth = 0;                   // pushes needed from the farthest positions
    std::vector<StateKey> farthest;  // the positions found at that depth
    size_t states = 0;
};

// Breadth-first search over pulls from the solved position (a box on every target cell, the
// man anywhere he can stand). Every position reached is solvable, in exactly as many pushes
// as the depth it was first reached at.
PullResult pull_search(const Arena& arena, const std::vector<int>& target_cells,
                       size_t state_limit);
