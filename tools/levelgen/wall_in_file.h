#pragma once

#include <ostream>
#include <string>

#include "solver/solver.h"

// Walls in the idle floor of every level of a collection file (wall_in.h): each level the
// solver proves is written walled in, in the game's format with its title, to `out`; a level
// it cannot prove within `limits`, or that a greedy player would solve once walled in, is
// written as it was. One line for each level on `err`. False when the file cannot be read.
bool wall_in_file(const std::string& path, const SolveLimits& limits, std::ostream& out,
                  std::ostream& err);
