#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "level/level.h"

// What the game's importer takes in without a word but a level author never means: a header
// not followed by a title line (the game eats the line after it, usually the first map row), a
// carriage return, a last level not closed by an empty line. One line each, in file order.
std::vector<std::string> file_layout_faults(std::string_view text);

// Why a level the game imported cannot be played as meant, or empty when it can: floor joined
// to the outside through a gap, the man outside the walls or walled off from every box, a box
// off its target that the man can never reach, a target that no box can ever reach. A box on
// its target behind walls and detached pieces of wall are decoration, and fine.
std::string level_layout_fault(const TLevel& level);
