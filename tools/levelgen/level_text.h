#pragma once

#include <string>
#include <vector>

#include "puzzle.h"

// Map rows of a board: spaces before a row's first wall, nothing after its last one. The game's
// writer (level/game_format_writer.h) writes them out.
std::vector<std::string> format_rows(const Puzzle& puzzle);
