#pragma once

#include <string>
#include <vector>

#include "level/level.h"
#include "solver/board.h"
#include "solver/push_search.h"

// Spells out a solution: before each push the man takes a shortest walk to the square behind
// the box, in the letters of level/move_letters.h.
std::string spell_path(const SolverBoard& board, const std::vector<Push>& pushes);
