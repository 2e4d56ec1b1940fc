#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "solver/board.h"

// Where the man can walk without pushing, and how far each square is: a breadth-first walk
// over free squares without boxes. Keeps its arrays between walks.
class ManWalk {
  public:
    // Walks from `from` (which may itself be a square he cannot come back to) around the boxes
    // marked in `occupied`. Returns the top-left-most square reached, which stands for the
    // whole area in the search's positions.
    int32_t walk(const SolverBoard& board, const std::vector<uint8_t>& occupied, int32_t from);
    // The same walk without counting steps or arrivals, for callers that ask only `reached`
    // and the top-left square: the small searches make most walks.
    int32_t reach(const SolverBoard& board, const std::vector<uint8_t>& occupied, int32_t from);

    bool reached(int32_t square) const { return square >= 0 && seen[square] == stamp; }
    // Steps from the start of the last walk; only for reached squares.
    int32_t distance(int32_t square) const { return steps[square]; }
    // The direction index of the last step into a reached square (not for the walk's start).
    int arrival(int32_t square) const { return arrived_by[square]; }

  private:
    template <bool measure>
    int32_t flood(const SolverBoard& board, const std::vector<uint8_t>& occupied, int32_t from);

    std::vector<int32_t> seen, steps, queue, arrived_by;
    int32_t stamp = 0;
};
