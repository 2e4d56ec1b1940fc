#pragma once

#include <cstddef>
#include <vector>

#include "arena.h"
#include "puzzle.h"

struct SolveResult {
    enum class Outcome { solved, unsolvable, gave_up } outcome = Outcome::gave_up;
    int pushes = 0;     // the fewest pushes, when solved
    size_t states = 0;  // positions looked at
};

// Breadth-first search over pushes from the board's start: proves a level solvable and finds
// its fewest pushes, or proves it unsolvable. Gives up past `state_limit` positions.
// With `box_squares`, also marks every board square a box stands on along one such solution.
SolveResult solve_pushes(const Puzzle& puzzle, size_t state_limit,
                         std::vector<bool>* box_squares = nullptr);

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
