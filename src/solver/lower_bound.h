#pragma once

#include <cstdint>
#include <vector>

#include "solver/assignment.h"
#include "solver/board.h"

// The fewest pushes a position can still need: every box matched to its own target so that
// the sum of their lone-box push distances is least. SolverBoard::unreachable for a dead end.
// Keeps its work arrays between calls, since the searches ask once per position.
class PushLowerBound {
  public:
    int32_t estimate(const SolverBoard& board, const std::vector<int32_t>& boxes);
    // The estimate of the boxes last given to `estimate` with the one at `index` moved to `to`:
    // the same number, found from the kept matching in O(n^2) instead of O(n^3), since a
    // search asks it for every child of the position it opens.
    int32_t estimate_moved(const SolverBoard& board, size_t index, int32_t to);
    // The work one estimate of `boxes` boxes costs, for the searches' clocks.
    static int64_t work(size_t boxes) {
        const int64_t n = static_cast<int64_t>(boxes);
        return n * n * n;
    }
    static int64_t moved_work(size_t boxes) {
        const int64_t n = static_cast<int64_t>(boxes);
        return n * n;
    }

  private:
    Assignment assignment;
    std::vector<int32_t> costs, row;
};
