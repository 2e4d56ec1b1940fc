#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "puzzle.h"

// A board from map rows written as in a level file: spaces before a row's first wall and past
// its end lie beyond the walls.
inline Puzzle board(const std::vector<std::string>& rows) {
    size_t width = 0;
    for (const auto& row : rows) width = std::max(width, row.size());
    Puzzle puzzle;
    puzzle.reset(static_cast<int>(width), static_cast<int>(rows.size()), Square::empty);
    for (size_t r = 0; r < rows.size(); ++r) {
        const size_t first_wall = rows[r].find('#');
        for (size_t c = 0; c < rows[r].size(); ++c) {
            const char piece = rows[r][c];
            const auto square =
                static_cast<size_t>(puzzle.index(static_cast<int>(c), static_cast<int>(r)));
            if (piece == '#') {
                puzzle.squares[square] = Square::wall;
            } else if (c > first_wall) {
                puzzle.squares[square] = Square::floor;
                puzzle.boxes[square] = piece == '$' || piece == '*';
                puzzle.targets[square] = piece == '.' || piece == '*' || piece == '+';
                if (piece == '@' || piece == '+') puzzle.man = static_cast<int>(square);
            }
        }
    }
    return puzzle;
}
