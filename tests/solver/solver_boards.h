#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "level/level.h"
#include "solver/board.h"

// A board from map rows, read as a level of its own and loaded as the solver loads it; a map
// the solver refuses fails the test.
SolverBoard board_of_map(const std::string& map);

// The squares `boxes` stand on, marked 1, as the searches mark them.
std::vector<uint8_t> occupied_by(const SolverBoard& board, const std::vector<int32_t>& boxes);

// A 50 x 50 open room with 40 boxes spread over it and their targets in rows below: far too
// many positions for any search to finish within a small memory limit.
TLevel crowded_room();

// A 7 x 6 board with a few walls strewn inside, three boxes, their targets and the man, drawn
// from `random`: the small boards the dead-end rules are swept over against the exhaustive
// search. Empty when too little floor is left for them.
std::string random_small_map(std::mt19937& random);
