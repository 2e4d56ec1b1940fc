#pragma once

#include <iosfwd>
#include <string>

#include "solver/solver.h"

// Proves the levels of one collection file. The file is read by the game's own importer, which
// reports its faults on standard error in the game's words; what the game takes quietly but we
// never mean (see solver/layout_checks.h) is reported on `out`, as is one line per level with its
// size, boxes and fewest pushes, proven by the solver. A file the game rejects is not solved. True
// only when nothing is faulty and every level is proven solvable within `limits`.
bool verify_file(const std::string& path, const SolveLimits& limits, std::ostream& out);
