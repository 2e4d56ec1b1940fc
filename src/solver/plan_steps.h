#pragma once

#include <cstdint>
#include <vector>

#include "solver/board.h"

// One step of a packing plan: a box brought from `from` to `to`. `from` is no_square where any
// box will do: one brought from where the boxes start. The steps of one round may be taken in
// any order, but only after every step of the rounds before.
struct PlanStep {
    int32_t from = SolverBoard::no_square;
    int32_t to = SolverBoard::no_square;
    int32_t round = 0;
};

// How far the boxes of a position have come along a plan of steps, their rounds first to last.
class StepPlan {
  public:
    StepPlan() = default;
    StepPlan(const SolverBoard& board, std::vector<PlanStep> steps);

    bool empty() const { return steps_.empty(); }
    const std::vector<PlanStep>& steps() const { return steps_; }
    // The steps of the rounds after which every square the plan then wants a box on holds one
    // (the last such round counts, so a box the plan later moves on from its parking square
    // no longer counts where it stood), and then the steps of the next round whose boxes stand
    // on their squares. `boxes` sorted.
    int32_t packing(const std::vector<int32_t>& boxes) const;

  private:
    std::vector<PlanStep> steps_;
    mutable std::vector<uint8_t> boxed, wanted;  // by square
};
