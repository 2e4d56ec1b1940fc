#pragma once

#include <cstdint>
#include <vector>

#include "solver/board.h"

// Which of the four squares round a box the man can walk between, the other boxes standing
// still: what every walk of one box, by pushes or by pulls, asks at each square it passes.
// Labels are kept per square until the next `forget`, so each square is walked round once.
class BoxSides {
  public:
    static constexpr int8_t blocked = -1;

    // Drops every label: the boxes round the walked box stand elsewhere now.
    void forget(const SolverBoard& board);
    // For each side of a box on `square` (marked in `occupied`), the lowest side it is joined
    // to, or `blocked` where a wall or a box stands.
    const int8_t* labels(const SolverBoard& board, const std::vector<uint8_t>& occupied,
                         int32_t square);

  private:
    std::vector<int32_t> labelled;  // per square: the round it was labelled in
    std::vector<int8_t> side_label;
    std::vector<int32_t> flood_seen, flood;
    int32_t round = 0, flood_stamp = 0;
};
