#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "puzzle.h"

// Map rows of a board: spaces before a row's first wall, nothing after its last one.
std::vector<std::string> format_rows(const Puzzle& puzzle);

// Writes one level: header, title (an apostrophe is added when missing), rows, empty line.
void write_level(std::ostream& out, int number, const std::string& title, const Puzzle& puzzle);
