#include "puzzle.h"

#include <string>

void Puzzle::reset(int new_width, int new_height, Square fill) {
    width = new_width;
    height = new_height;
    const auto size = static_cast<size_t>(width * height);
    squares.assign(size, fill);
    targets.assign(size, false);
    boxes.assign(size, false);
    man = -1;
}

TLevel game_level(const Puzzle& puzzle) {
    TLevel level;
    level.create(puzzle.width, puzzle.height);
    for (int row = 0; row < puzzle.height; ++row) {
        for (int column = 0; column < puzzle.width; ++column) {
            const auto square = static_cast<size_t>(puzzle.index(column, row));
            Cell cell = Cell::floor;
            if (puzzle.squares[square] == Square::wall) {
                cell = Cell::wall;
            } else if (puzzle.boxes[square]) {
                cell = puzzle.targets[square] ? Cell::box_on_target : Cell::box;
            } else if (puzzle.targets[square]) {
                cell = Cell::target;
            }
            level.set_cell(column, row, cell);
        }
    }
    if (puzzle.man >= 0) {
        level.set_start(puzzle.column_of(puzzle.man), puzzle.row_of(puzzle.man));
    } else {
        level.set_start(-1, -1);
    }
    level.mark_outside();
    return level;
}

Puzzle puzzle_of(const TLevel& level) {
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

BoardRoom room_board(const Puzzle& puzzle) {
    BoardRoom board;
    board.load_room(game_level(puzzle));
    return board;
}
