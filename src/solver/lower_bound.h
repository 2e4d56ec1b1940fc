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
    // The work one estimate of `boxes` boxes costs, for the searches' clocks.
    static int64_t work(size_t boxes) {
        const int64_t n = static_cast<int64_t>(boxes);
        return n * n * n;
    }

  private:
    Assignment assignment;
    std::vector<int32_t> costs;
};
