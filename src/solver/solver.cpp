#include "solver/solver.h"

#include <algorithm>
#include <chrono>

#include "solver/board.h"
#include "solver/search_runs.h"
#include "solver/side_by_side.h"

namespace {
using Clock = std::chrono::steady_clock;

double seconds_since(Clock::time_point started) {
    return std::chrono::duration<double>(Clock::now() - started).count();
}

// False, with the verdict in `result`, when the level cannot be searched. A board whose tables
// alone would pass the memory limit is a limit reached, not a fault of the level.
bool load_board(const TLevel& level, const SolveLimits& limits, SolverBoard& board,
                SolveResult& result) {
    const Outcome<SolverBoard::LoadError> loaded = board.load(level, limits.memory_bytes);
    if (loaded) return true;
    result.reason = loaded.words();
    result.status = loaded.error() == SolverBoard::LoadError::memory ? SolveStatus::unknown
                                                                     : SolveStatus::invalid;
    return false;
}

// The proof, the plain finding search and the feature-space search one after the other.
SolveResult find_one_by_one(const TLevel& level, const SolverBoard& board, Optimise optimise,
                            const SolveLimits& limits, Clock::time_point started) {
    SolveLimits share = limits;
    share.seconds = limits.seconds * proving_share;
    const SolveResult proven = run_push_search(level, board, optimise, share, SearchGoal::prove);
    if (proven.status != SolveStatus::unknown) return proven;
    SolveLimits rest = limits;
    rest.seconds = limits.seconds * plain_finding_share;
    SolveResult found = run_push_search(level, board, optimise, rest, SearchGoal::find);
    found.positions += proven.positions;
    if (found.status == SolveStatus::unknown) {
        rest.seconds = std::max(0.0, limits.seconds - seconds_since(started));
        const int64_t positions = found.positions;
        found = run_feature_search(level, board, optimise, rest);
        found.positions += positions;
    }
    take_proven_bound(found, proven, optimise);
    return found;
}
}  // namespace

SolveResult solve_level(const TLevel& level, Optimise optimise, const SolveLimits& limits) {
    const auto started = Clock::now();
    SolveResult result;
    SolverBoard board;
    if (!load_board(level, limits, board, result)) return result;
    result = run_push_search(level, board, optimise, limits, SearchGoal::prove);
    result.seconds = seconds_since(started);
    return result;
}

SolveResult find_level_solution(const TLevel& level, Optimise optimise, const SolveLimits& limits) {
    const auto started = Clock::now();
    SolveResult result;
    SolverBoard board;
    if (!load_board(level, limits, board, result)) return result;
    if (limits.threads > 1) {
        SolveLimits left = limits;
        left.seconds = std::max(0.0, limits.seconds - seconds_since(started));
        result = find_side_by_side(level, board, optimise, left);
    } else {
        result = find_one_by_one(level, board, optimise, limits, started);
    }
    result.seconds = seconds_since(started);
    return result;
}
