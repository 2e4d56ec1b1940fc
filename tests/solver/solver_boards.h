#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "solver/board.h"

// A board from map rows, read as a level of its own and loaded as the solver loads it; a map
// the solver refuses fails the test.
SolverBoard board_of_map(const std::string& map);

// The squares `boxes` stand on, marked 1, as the searches mark them.
std::vector<uint8_t> occupied_by(const SolverBoard& board, const std::vector<int32_t>& boxes);
