#pragma once

#include <cstdint>
#include <vector>

#include "solver/board.h"
#include "solver/plan_steps.h"
#include "solver/search_budget.h"
#include "solver/solver.h"

// A packing plan found backwards. From the solved position, with the man in any stretch of
// floor he could finish in (first the one he starts in), boxes are pulled off their targets:
// in each round every box that can be pulled to where a loose box starts, or next to it (a
// sink that takes any number of them), is taken away; where none can, one box is pulled aside
// as far from the targets as it goes, to a parking square, and plans that park fewer boxes
// are tried first. The rounds run backwards fill the targets in an order that leaves every box
// a way in; a parked box gets a step onto its parking square and a step on. Empty when the
// pulls could not clear every box within `limits` (its positions cap counts pulled
// positions); only the finding search's order uses it, and it proves nothing.
std::vector<PlanStep> find_pull_plan(const SolverBoard& board, const SolveLimits& limits,
                                     SearchTies ties = {});
