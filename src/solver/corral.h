#pragma once

#include <cstdint>
#include <vector>

#include "solver/board.h"
#include "solver/man_walk.h"

// Corral pruning. A corral is a stretch of squares the man cannot reach, together with the
// boxes in it and on its rim, that still needs work (a box off its target, or an empty
// target). Until one of its boxes is pushed, nothing the man does elsewhere changes which of
// its boxes he can push or where to, so when every push he has on its boxes goes further into
// it, that push can be made first without costing a single push more: only those pushes need
// trying. A corral that needs work and allows no push at all can never be solved.
class CorralCheck {
  public:
    enum class Verdict {
        any,       // every push must be tried
        only,      // only the pushes of boxes for which `allows` holds
        dead_end,  // a corral can never be finished
    };

    // `occupied` marks the boxes and `walk` holds the man's area in the same position.
    Verdict judge(const SolverBoard& board, const std::vector<uint8_t>& occupied,
                  const ManWalk& walk, const std::vector<int32_t>& boxes);
    // After Verdict::only: whether pushing the box on `square` is one to try.
    bool allows(int32_t square) const { return label[square] == chosen; }

  private:
    struct Corral {
        bool needs_work = false;
        bool pushes_out = false;  // some push takes a box into the man's area
        int32_t pushes_in = 0;
    };
    void fill(const SolverBoard& board, const std::vector<uint8_t>& occupied, const ManWalk& walk,
              int32_t start, int32_t id);

    std::vector<int32_t> label;  // the corral id of a square, when at or above `first_id`
    std::vector<int32_t> stack;
    std::vector<Corral> corrals;
    int32_t first_id = 0;
    int32_t chosen = -1;
};
