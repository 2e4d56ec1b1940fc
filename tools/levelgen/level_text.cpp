#include "level_text.h"

#include "level/map_chars.h"

namespace {

char square_character(const Puzzle& puzzle, size_t square) {
    switch (puzzle.squares[square]) {
        case Square::wall:
            return map_char::wall;
        case Square::empty:
            return map_char::floor;
        case Square::floor:
            break;
    }
    const Cell cell = puzzle.boxes[square]
                          ? (puzzle.targets[square] ? Cell::box_on_target : Cell::box)
                          : (puzzle.targets[square] ? Cell::target : Cell::floor);
    return map_char_of(cell, static_cast<int>(square) == puzzle.man);
}

}  // namespace

std::vector<std::string> format_rows(const Puzzle& puzzle) {
    std::vector<std::string> rows;
    for (int r = 0; r < puzzle.height; ++r) {
        std::string row;
        for (int c = 0; c < puzzle.width; ++c) {
            row += square_character(puzzle, static_cast<size_t>(puzzle.index(c, r)));
        }
        const size_t last_wall = row.find_last_of(map_char::wall);
        row.erase(last_wall == std::string::npos ? 0 : last_wall + 1);
        rows.push_back(row);
    }
    return rows;
}
