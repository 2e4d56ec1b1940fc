#pragma once

#include <cstdint>
#include <vector>

#include "solver/board.h"

// Squares that are dead for a box only with the man on a certain side of it: a lone box there
// could reach a target, but not from where the man is, since he cannot get round it (a box
// pushed into the mouth of a pocket with no target, say). Measured once per level on the
// board alone, so it holds whatever other boxes do; boards too large for the cost of measuring
// fall back on the plain dead squares.
class SideDeadSquares {
  public:
    explicit SideDeadSquares(const SolverBoard& board);

    // A box on `square` with the man on its side `side` (direction index from the box) can
    // never reach a target.
    bool dead(int32_t square, int side) const {
        if (board.is_dead(square)) return true;
        if (side_class.empty()) return false;
        const size_t at = static_cast<size_t>(square) * 4 + static_cast<size_t>(side);
        return side_class[at] < 0 ||
               !good[static_cast<size_t>(square) * 4 + static_cast<size_t>(side_class[at])];
    }

  private:
    void join_sides();
    void walk_back_from_targets();

    const SolverBoard& board;
    // For each square and side: which sides the man can walk between around a box there, as
    // the lowest side index he can reach from it; -1 where that side is no free square.
    std::vector<int8_t> side_class;
    std::vector<uint8_t> good;  // by square * 4 + side class: a target can be reached
};
