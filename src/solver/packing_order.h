#pragma once

#include <cstdint>
#include <vector>

#include "solver/board.h"
#include "solver/pull_plan.h"
#include "solver/search_budget.h"
#include "solver/solver.h"

// The order in which targets are best filled. With a box on every target, the boxes the man can
// pull off first are layer 0, those freed by their going layer 1, and so on: a target of a
// deeper layer sits further into a room of targets and is better filled before the shallower
// ones close the way to it. The layers take the man to finish where he starts and let every
// pulled box vanish; where the targets lie apart, in several rooms, or where from his start
// he could pull nothing, the plan found backwards (pull_plan.h) takes over when it clears the
// board: it tries every stretch of floor he could finish in and brings every box in from where
// the boxes start, parking it on the way where it must. Only the finding searches' order uses
// it; it proves nothing.
class PackingOrder {
  public:
    // The layers alone.
    explicit PackingOrder(const SolverBoard& board);
    // The plan found backwards, within a share of `limits`, where the layers fall short.
    PackingOrder(const SolverBoard& board, const SolveLimits& limits, SearchTies ties = {});

    // How many of the sorted `boxes` stand on targets that are better filled later than some
    // target still empty (by the layers).
    int32_t out_of_order(const std::vector<int32_t>& boxes) const;
    // How far the sorted `boxes` have come along the plan: by the layers, the boxes on targets
    // less those out of order; by the steps, as StepPlan counts them.
    int32_t packing(const std::vector<int32_t>& boxes) const;
    int32_t layer_of_target(size_t target_index) const { return layers[target_index]; }
    // Empty where the layers are the plan.
    const std::vector<PlanStep>& steps() const { return plan.steps(); }

  private:
    std::vector<int32_t> layers;        // by target index
    std::vector<int32_t> target_index;  // by square; -1 off the targets
    StepPlan plan;
    // From where the man starts, with every target filled, some boxes could not be pulled off:
    // the layers do not order them.
    bool layers_stuck = false;
    mutable std::vector<uint8_t> filled;
};
