#pragma once

#include <string>
#include <vector>

#include "puzzle.h"
#include "support/board_text.h"

// A board from map rows written as in a level file and read by the game's importer: spaces
// before a row's first wall and past its end lie beyond the walls.
inline Puzzle board(const std::vector<std::string>& rows) {
    std::string text = "; 1\n'\n";
    for (const std::string& row : rows) text += row + "\n";
    const Imported imported = import_text(text);
    return puzzle_of(*imported->get_level(0));
}
