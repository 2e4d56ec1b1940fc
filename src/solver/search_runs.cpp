#include "solver/search_runs.h"

#include "level/move_letters.h"
#include "solver/feature_search.h"
#include "solver/solution_path.h"

namespace {
void replay_solution(const TLevel& level, const SolverBoard& board, Optimise optimise,
                     const std::vector<Push>& pushes, bool proving, SolveResult& result) {
    result.path = spell_path(board, pushes);
    const bool replayed = replay_moves(level, result.path, result.moves, result.pushes);
    const int32_t counted = optimise == Optimise::pushes ? result.pushes : result.moves;
    if (!replayed || (proving && counted != result.bound)) {
        result.status = SolveStatus::invalid;
        result.reason = "the solution found does not replay through the game's rules";
    } else if (!proving) {
        result.status = SolveStatus::found;
    }
}
}  // namespace

SolveResult run_push_search(const TLevel& level, const SolverBoard& board, Optimise optimise,
                            const SolveLimits& limits, SearchGoal goal, SearchTies ties) {
    SolveResult result;
    PushSearch search(board, optimise, limits, goal, ties);
    result.status = search.run();
    result.bound = search.bound();
    result.positions = search.positions();
    if (result.status == SolveStatus::unknown) result.reason = search.stopped_by();
    if (result.status != SolveStatus::solved) return result;
    replay_solution(level, board, optimise, search.solution(), goal == SearchGoal::prove, result);
    return result;
}

SolveResult run_feature_search(const TLevel& level, const SolverBoard& board, Optimise optimise,
                               const SolveLimits& limits, SearchTies ties) {
    SolveResult result;
    FeatureSearch search(board, limits, ties);
    result.status = search.run();
    result.positions = search.positions();
    if (result.status == SolveStatus::unknown) result.reason = search.stopped_by();
    if (result.status != SolveStatus::solved) return result;
    replay_solution(level, board, optimise, search.solution(), false, result);
    return result;
}

void take_proven_bound(SolveResult& found, const SolveResult& proven, Optimise optimise) {
    found.bound = proven.bound;
    if (found.status == SolveStatus::found && optimise == Optimise::pushes &&
        found.pushes == found.bound) {
        found.status = SolveStatus::solved;
    }
}
