#pragma once

#include <string>
#include <vector>

#include "level/level.h"
#include "solver/board.h"
#include "solver/push_search.h"

// Spells out a solution: before each push the man takes a shortest walk to the square behind
// the box. Letters l r u d are steps, L R U D pushes.
std::string spell_path(const SolverBoard& board, const std::vector<Push>& pushes);

// Plays the path on a copy of the level through the game's own rules. True when every letter
// is accepted as the step or push it claims to be and the level ends solved; the counts are
// those the game saw.
bool replay_path(const TLevel& level, const std::string& path, int32_t& moves, int32_t& pushes);
