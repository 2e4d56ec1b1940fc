#pragma once

#include "level/level.h"
#include "solver/board.h"
#include "solver/solver.h"

// find_level_solution on limits.threads threads (two or more): the proof on one thread and the
// finding searches on the others, from the start, instead of one after the other. With two
// threads the plain finding search runs first on the second thread for its share of the time,
// then the feature-space search for the rest; with three or more each has a thread of its own.
// Together they stay within limits.memory_bytes and limits.seconds.
// Once the proof has had its share it gives way: on busy processors it runs only on what the
// finding searches leave over.
// A proof or an unsolvable verdict halts every other search at once. A solution found halts the
// other finding searches, while the proof goes on until it has had its share of the time, as it
// would have had one by one, and may still prove the level: so a level the proof settles within
// its share gets the same verdict however many threads search it.
SolveResult find_side_by_side(const TLevel& level, const SolverBoard& board, Optimise optimise,
                              const SolveLimits& limits);
