#include "level_text.h"

#include <ostream>

namespace {

char square_character(const Puzzle& puzzle, size_t square) {
    switch (puzzle.squares[square]) {
        case Square::wall:
            return '#';
        case Square::empty:
            return ' ';
        case Square::floor:
            break;
    }
    const bool target = puzzle.targets[square];
    if (puzzle.boxes[square]) return target ? '*' : '$';
    if (static_cast<int>(square) == puzzle.man) return target ? '+' : '@';
    return target ? '.' : ' ';
}

}  // namespace

std::vector<std::string> format_rows(const Puzzle& puzzle) {
    std::vector<std::string> rows;
    for (int r = 0; r < puzzle.height; ++r) {
        std::string row;
        for (int c = 0; c < puzzle.width; ++c) {
            row += square_character(puzzle, static_cast<size_t>(puzzle.index(c, r)));
        }
        const size_t last_wall = row.find_last_of('#');
        row.erase(last_wall == std::string::npos ? 0 : last_wall + 1);
        rows.push_back(row);
    }
    return rows;
}

void write_level(std::ostream& out, int number, const std::string& title, const Puzzle& puzzle) {
    out << "; " << number << '\n';
    out << (title.empty() || title[0] != '\'' ? "'" : "") << title << '\n';
    for (const auto& row : format_rows(puzzle)) out << row << '\n';
    out << '\n';
}
