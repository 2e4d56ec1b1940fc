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
    // `boxes` are sorted by square, as the searches keep them. The searches open positions near
    // each other one after the other, so the matching of the boxes last given is kept: a
    // position that differs from it in a few boxes is matched by placing only those again, in
    // O(k n^2) for k boxes instead of O(n^3).
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
    int32_t estimate_afresh(const SolverBoard& board, const std::vector<int32_t>& boxes);
    // False when too many boxes differ from the kept ones for placing them again to pay.
    bool estimate_changed(const SolverBoard& board, const std::vector<int32_t>& boxes,
                          int32_t& total);

    Assignment assignment;
    std::vector<int32_t> costs, row;
    std::vector<int32_t> kept_boxes;     // sorted, as last given
    std::vector<int32_t> row_of_square;  // the matrix row of each kept box; -1 elsewhere
    std::vector<int32_t> gone, come;     // kept boxes not given now, and given boxes not kept
    std::vector<int> changed_rows;
};
