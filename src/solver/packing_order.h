#pragma once

#include <cstdint>
#include <vector>

#include "solver/board.h"

// The order in which targets are best filled. With a box on every target, the boxes the man can
// pull off first are layer 0, those freed by their going layer 1, and so on: a target of a
// deeper layer sits further into a room of targets and is better filled before the shallower
// ones close the way to it. Only the finding search's order uses it; it proves nothing.
class PackingOrder {
  public:
    explicit PackingOrder(const SolverBoard& board);

    // How many of the sorted `boxes` stand on targets that are better filled later than some
    // target still empty.
    int32_t out_of_order(const std::vector<int32_t>& boxes) const;
    int32_t layer_of_target(size_t target_index) const { return layers[target_index]; }

  private:
    std::vector<int32_t> layers;        // by target index
    std::vector<int32_t> target_index;  // by square; -1 off the targets
    mutable std::vector<uint8_t> filled;
};
