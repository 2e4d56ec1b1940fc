#pragma once

#include <cstdint>
#include <vector>

#include "solver/board.h"
#include "solver/man_walk.h"

// What the explorer advisor looks for: a move after which the man can reach a push of another
// box that he could not reach before. Only a box that stands between the man and floor he
// cannot reach can open such a way, so only its moves are walked.
class NewPushes {
  public:
    // The box on `from` borders floor the man (whose reach `walk` holds) cannot get to.
    bool walls_off(const SolverBoard& board, const std::vector<uint8_t>& occupied,
                   const ManWalk& walk, int32_t from) const;
    // After the move, `occupied` showing the child's `boxes`, the box on `to` and the man on
    // `man`: some other box has a push the man can now reach, and could not with the reach
    // `before`.
    bool opened(const SolverBoard& board, const std::vector<uint8_t>& occupied,
                const ManWalk& before, const std::vector<int32_t>& boxes, int32_t to, int32_t man);

  private:
    ManWalk after;
};
