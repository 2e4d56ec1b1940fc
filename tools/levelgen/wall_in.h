#pragma once

#include <optional>
#include <string>

#include "puzzle.h"

struct WalledIn {
    Puzzle puzzle;   // trimmed and cropped, ready to write
    int walled = 0;  // idle squares made wall
};

// The board with every idle square of `solution` (level/floor_measures.h) made wall, then
// trimmed and cropped. The solution never uses those squares, so it still solves the walled
// board, and walls only take moves away: an optimal solution stays optimal. A box that starts
// on a target and is never pushed stands on an idle square and goes with it, target and all.
// Nothing when the solution does not solve the puzzle, or no longer replays once walled in.
std::optional<WalledIn> walled_in(const Puzzle& puzzle, const std::string& solution);
