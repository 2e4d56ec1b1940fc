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
    const TLevel& level = *imported->get_level(0);
    Puzzle puzzle;
    puzzle.reset(level.get_width(), level.get_height(), Square::empty);
    for (int row = 0; row < level.get_height(); ++row) {
        for (int column = 0; column < level.get_width(); ++column) {
            const Cell cell = level.get_cell(column, row);
            const auto square = static_cast<size_t>(puzzle.index(column, row));
            if (cell == Cell::wall) puzzle.squares[square] = Square::wall;
            if (cell < Cell::floor || cell == Cell::wall) continue;
            puzzle.squares[square] = Square::floor;
            puzzle.boxes[square] = cell == Cell::box || cell == Cell::box_on_target;
            puzzle.targets[square] = cell == Cell::target || cell == Cell::box_on_target;
        }
    }
    puzzle.man = puzzle.index(level.get_start_column(), level.get_start_row());
    return puzzle;
}
