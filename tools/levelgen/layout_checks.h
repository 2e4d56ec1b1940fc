#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "level/level.h"

// What the game's importer takes in without a word but a level author never means: a header
// not followed by a title line (the game eats the line after it, usually the first map row), a
// carriage return, a last level not closed by an empty line. One line each, in file order.
std::vector<std::string> layout_faults(std::istream& in);

// False when floor the man can walk to runs out to the edge of the board: the game turns such
// floor into outside, and the level falls apart under him.
bool closed_in(const TLevel& level);
