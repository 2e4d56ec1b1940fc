#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "solver/board.h"

// Finds boxes that can never move again after a push: boxes held by walls and by each other
// along both lines. Such a box off a target means the level can no longer be solved.
class FreezeCheck {
  public:
    // `occupied` marks every box square (after the push). True when the box just pushed to
    // `pushed_to` belongs to a group of frozen boxes of which one is off its target.
    bool frozen_off_target(const SolverBoard& board, const std::vector<uint8_t>& occupied,
                           int32_t pushed_to);

  private:
    bool held_along(const SolverBoard& board, int32_t box, int first_direction) const;

    std::vector<int32_t> group;
    std::vector<int32_t> group_mark;  // == stamp while the square's box is still in the group
    int32_t stamp = 0;
};
