#pragma once

#include <cstdint>
#include <string>

#include "level/level.h"

// What the search counts first: pushes (then moves), or moves (then pushes).
enum class Optimise { pushes, moves };

struct SolveLimits {
    double seconds = 10.0;
    // A cap on the memory the stored positions take, in bytes.
    int64_t memory_bytes = int64_t{1024} * 1024 * 1024;
    // A cap on the positions one search stores, so that a benchmark can run two builds through
    // the very same positions whatever the machine's load.
    int64_t positions = INT64_MAX;
    // Threads the searches of one level may run on side by side; only finding uses more than
    // one (see find_level_solution).
    int threads = 1;
};

enum class SolveStatus {
    solved,      // the path is optimal and was replayed through the game's rules
    found,       // the path was replayed through the game's rules; shorter ones may exist
    unsolvable,  // every reachable position was searched
    unknown,     // a limit stopped the search; `bound` is proven
    invalid,     // the level cannot be searched (no board, boxes and targets differ)
};

struct SolveResult {
    SolveStatus status = SolveStatus::unknown;
    // Letters l r u d for steps and L R U D for pushes.
    std::string path;
    int32_t moves = 0;
    int32_t pushes = 0;
    // The optimum counted first (pushes or moves) is at least this; equal to it when solved.
    int32_t bound = 0;
    // For unknown: which limit stopped the search ("time", "memory", "positions" or "move
    // count"); for invalid: why.
    std::string reason;
    int64_t positions = 0;  // positions stored
    double seconds = 0.0;
};

// Proves the optimal solution of a level with A* over pushes.
SolveResult solve_level(const TLevel& level, Optimise optimise, const SolveLimits& limits);

// Tries to prove the optimum under a small share of the time, as solve_level does; a level
// that holds out is then searched for any solution: first by a short plain best-first search,
// which finishes the easier levels with few pushes, then by the feature-space search for the
// time left. A solution with as many pushes as the proven bound is reported solved. With
// limits.threads above one the proof and the finding searches run side by side from the start
// instead, together within the same limits (side_by_side.h).
SolveResult find_level_solution(const TLevel& level, Optimise optimise, const SolveLimits& limits);
