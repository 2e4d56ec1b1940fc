#pragma once

#include "level/level.h"
#include "solver/board.h"
#include "solver/push_search.h"
#include "solver/search_budget.h"
#include "solver/solver.h"

// When finding, the shares of the time the proof and then the plain finding search get before
// the feature-space search takes the rest.
constexpr double proving_share = 0.2;
constexpr double plain_finding_share = 0.2;

// Each runs one search of a level to its end and, where it met a solution, spells it out and
// replays it: nothing is claimed that the game itself has not accepted. A proof's solution is
// "solved", any other "found"; one that fails to replay makes the result "invalid".
SolveResult run_push_search(const TLevel& level, const SolverBoard& board, Optimise optimise,
                            const SolveLimits& limits, SearchGoal goal, SearchTies ties = {});
SolveResult run_feature_search(const TLevel& level, const SolverBoard& board, Optimise optimise,
                               const SolveLimits& limits, SearchTies ties = {});

// Gives a finding search's result the bound the proof reached: a solution found with as many
// pushes as that bound is optimal. Only the pushes are proven by the bound; the moves of a
// push-optimal path are not.
void take_proven_bound(SolveResult& found, const SolveResult& proven, Optimise optimise);
