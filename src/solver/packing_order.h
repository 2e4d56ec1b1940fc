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
// pulled box vanish, so the plan found backwards (pull_plan.h) takes over wherever it clears
// the board: it tries every stretch of floor he could finish in and brings every box in from
// where the boxes start, parking it on the way where it must. It orders a room of targets too,
// and better: boxes come in through the passages they really use, not from where the man
// happens to start. Only the finding searches' order uses it; it proves nothing.
class PackingOrder {
  public:
    // The layers alone.
    explicit PackingOrder(const SolverBoard& board);
    // The plan found backwards, within a share of `limits`, where it clears the board.
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
    mutable std::vector<uint8_t> filled;
};
