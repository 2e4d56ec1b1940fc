#include "solver/solver.h"

#include <algorithm>
#include <chrono>

#include "level/move_letters.h"
#include "solver/board.h"
#include "solver/feature_search.h"
#include "solver/push_search.h"
#include "solver/solution_path.h"

namespace {
// The shares of the time the proving search and then the plain finding search get before the
// feature-space search takes the rest.
constexpr double proving_share = 0.2;
constexpr double plain_finding_share = 0.2;

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

// Spells out and replays a solution the search met: nothing is claimed that the game itself
// has not accepted.
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

SolveResult search_level(const TLevel& level, const SolverBoard& board, Optimise optimise,
                         const SolveLimits& limits, SearchGoal goal) {
    SolveResult result;
    PushSearch search(board, optimise, limits, goal);
    result.status = search.run();
    result.bound = search.bound();
    result.positions = search.positions();
    if (result.status == SolveStatus::unknown) result.reason = search.stopped_by();
    if (result.status != SolveStatus::solved) return result;
    replay_solution(level, board, optimise, search.solution(), goal == SearchGoal::prove, result);
    return result;
}

SolveResult search_features(const TLevel& level, const SolverBoard& board, Optimise optimise,
                            const SolveLimits& limits) {
    SolveResult result;
    FeatureSearch search(board, limits);
    result.status = search.run();
    result.positions = search.positions();
    if (result.status == SolveStatus::unknown) result.reason = search.stopped_by();
    if (result.status != SolveStatus::solved) return result;
    replay_solution(level, board, optimise, search.solution(), false, result);
    return result;
}
}  // namespace

SolveResult solve_level(const TLevel& level, Optimise optimise, const SolveLimits& limits) {
    const auto started = Clock::now();
    SolveResult result;
    SolverBoard board;
    if (!load_board(level, limits, board, result)) return result;
    result = search_level(level, board, optimise, limits, SearchGoal::prove);
    result.seconds = seconds_since(started);
    return result;
}

SolveResult find_level_solution(const TLevel& level, Optimise optimise, const SolveLimits& limits) {
    const auto started = Clock::now();
    SolveResult proven;
    SolverBoard board;
    if (!load_board(level, limits, board, proven)) return proven;
    SolveLimits share = limits;
    share.seconds = limits.seconds * proving_share;
    proven = search_level(level, board, optimise, share, SearchGoal::prove);
    if (proven.status != SolveStatus::unknown) {
        proven.seconds = seconds_since(started);
        return proven;
    }
    SolveLimits rest = limits;
    rest.seconds = limits.seconds * plain_finding_share;
    SolveResult found = search_level(level, board, optimise, rest, SearchGoal::find);
    found.positions += proven.positions;
    if (found.status == SolveStatus::unknown) {
        rest.seconds = std::max(0.0, limits.seconds - seconds_since(started));
        const int64_t positions = found.positions;
        found = search_features(level, board, optimise, rest);
        found.positions += positions;
    }
    found.bound = proven.bound;
    // Only the pushes are proven by the bound; the moves of a push-optimal path are not.
    if (found.status == SolveStatus::found && optimise == Optimise::pushes &&
        found.pushes == found.bound) {
        found.status = SolveStatus::solved;
    }
    found.seconds = seconds_since(started);
    return found;
}
