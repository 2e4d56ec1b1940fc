#pragma once

#include <cstdint>
#include <vector>

#include "solver/board.h"
#include "solver/few_box_search.h"
#include "solver/man_walk.h"

// Corral dead ends found by a small search. A corral (floor the man cannot reach, shut in by
// boxes) is searched with its own boxes alone, every other box taken off the board: that only
// gives the man and its boxes more room, so when even then no line of pushes lets the man in
// or puts its boxes on targets, the position can never be solved. The search stops at a cap on
// the positions it looks at, and a corral not settled by then counts as alive.
class CorralSearch {
  public:
    explicit CorralSearch(int32_t position_cap) : cap(position_cap) {}

    // `occupied` marks `boxes`, and `walk` holds the area of the man on `man`. True when some
    // corral that needs work is proven a dead end.
    bool dead_end(const SolverBoard& board, const std::vector<int32_t>& boxes,
                  const std::vector<uint8_t>& occupied, const ManWalk& walk, int32_t man);

  private:
    // The corral's verdict: true when its boxes can never be cleared.
    bool stuck(const SolverBoard& board, const std::vector<int32_t>& corral_boxes, int32_t man);

    int32_t cap;
    std::vector<int32_t> region, corral_boxes, stack;
    std::vector<int32_t> region_mark;  // == mark for the squares of the corral under test
    int32_t mark = 0;
    std::vector<uint8_t> inside;  // free squares of the corral under test
    FewBoxSearch search;
};
