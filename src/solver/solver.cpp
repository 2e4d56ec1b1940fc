#include "solver/solver.h"

#include <chrono>

#include "solver/board.h"
#include "solver/push_search.h"
#include "solver/solution_path.h"

SolveResult solve_level(const TLevel& level, Optimise optimise, const SolveLimits& limits) {
    const auto started = std::chrono::steady_clock::now();
    SolveResult result;
    SolverBoard board;
    if (!board.load(level, result.reason, limits.memory_bytes)) {
        // A board too large for the memory limit is a limit reached, not a fault of the level.
        result.status = result.reason == "memory" ? SolveStatus::unknown : SolveStatus::invalid;
        return result;
    }
    PushSearch search(board, optimise, limits);
    result.status = search.run();
    result.bound = search.bound();
    result.positions = search.positions();
    if (result.status == SolveStatus::unknown) result.reason = search.stopped_by();
    if (result.status == SolveStatus::solved) {
        result.path = spell_path(board, search.solution());
        // Nothing is claimed that the game itself has not accepted.
        const bool replayed = replay_path(level, result.path, result.moves, result.pushes);
        const int32_t counted = optimise == Optimise::pushes ? result.pushes : result.moves;
        if (!replayed || counted != result.bound) {
            result.status = SolveStatus::invalid;
            result.reason = "the solution found does not replay through the game's rules";
        }
    }
    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - started;
    result.seconds = spent.count();
    return result;
}
