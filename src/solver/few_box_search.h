#pragma once

#include <cstdint>
#include <functional>
#include <set>
#include <vector>

#include "solver/board.h"
#include "solver/freeze.h"
#include "solver/man_walk.h"

// The small search behind the deadlock tests that take a few boxes alone: breadth first over
// those boxes, every other box off the board, and the man's area. Taking boxes off only gives
// the man and the rest more room, so a group that can never be freed alone can never be freed
// in the whole position either.
class FewBoxSearch {
  public:
    // True when the positions run out before every box stands on a target, before `freed`
    // says yes of a position's man area, and before more than `cap` positions are met: a proven
    // dead end. Reaching the cap proves nothing and gives false.
    bool dead_end(const SolverBoard& board, const std::vector<int32_t>& start, int32_t man,
                  int32_t cap, const std::function<bool(const ManWalk&)>& freed = {});
    // Positions looked at by every search so far.
    int64_t searched() const { return searched_; }

  private:
    std::vector<uint8_t> local;  // the group's boxes only
    ManWalk walk, after;
    FreezeCheck freeze;
    std::set<std::vector<int32_t>> seen;  // boxes, then the man's area
    int64_t searched_ = 0;
};
