#include "trim.h"

#include <algorithm>
#include <climits>

#include "arena.h"

namespace {

bool touches_inside(const Puzzle& puzzle, const Arena& arena, int column, int row) {
    for (int r = row - 1; r <= row + 1; ++r) {
        for (int c = column - 1; c <= column + 1; ++c) {
            if (puzzle.on_board(c, r) && arena.cell_of(puzzle.index(c, r)) >= 0) return true;
        }
    }
    return false;
}

// Empty squares the border cannot reach through other empty squares become wall.
void fill_holes(Puzzle& board) {
    std::vector<bool> open(board.squares.size(), false);
    std::vector<int> pending;
    for (int row = 0; row < board.height; ++row) {
        for (int column = 0; column < board.width; ++column) {
            const bool border =
                row == 0 || column == 0 || row == board.height - 1 || column == board.width - 1;
            const int square = board.index(column, row);
            if (border && board.squares[static_cast<size_t>(square)] == Square::empty) {
                open[static_cast<size_t>(square)] = true;
                pending.push_back(square);
            }
        }
    }
    while (!pending.empty()) {
        const int square = pending.back();
        pending.pop_back();
        for (int d = 0; d < 4; ++d) {
            const int column = board.column_of(square) + step_columns[d];
            const int row = board.row_of(square) + step_rows[d];
            if (!board.on_board(column, row)) continue;
            const auto next = static_cast<size_t>(board.index(column, row));
            if (board.squares[next] == Square::empty && !open[next]) {
                open[next] = true;
                pending.push_back(static_cast<int>(next));
            }
        }
    }
    for (size_t square = 0; square < board.squares.size(); ++square) {
        if (board.squares[square] == Square::empty && !open[square]) {
            board.squares[square] = Square::wall;
        }
    }
}

}  // namespace

Puzzle trimmed(const Puzzle& puzzle) {
    const Arena arena(puzzle, puzzle.man);
    // One spare square on every side, so that the flood around the walls can pass.
    Puzzle board;
    board.reset(puzzle.width + 2, puzzle.height + 2, Square::empty);
    int left = INT_MAX, right = -1, top = INT_MAX, bottom = -1;
    for (int row = 0; row < puzzle.height; ++row) {
        for (int column = 0; column < puzzle.width; ++column) {
            const auto from = static_cast<size_t>(puzzle.index(column, row));
            const auto to = static_cast<size_t>(board.index(column + 1, row + 1));
            if (arena.cell_of(static_cast<int>(from)) >= 0) {
                board.squares[to] = Square::floor;
                board.boxes[to] = puzzle.boxes[from];
                board.targets[to] = puzzle.targets[from];
                if (static_cast<int>(from) == puzzle.man) board.man = static_cast<int>(to);
            } else if (touches_inside(puzzle, arena, column, row)) {
                board.squares[to] = Square::wall;
                left = std::min(left, column + 1);
                right = std::max(right, column + 1);
                top = std::min(top, row + 1);
                bottom = std::max(bottom, row + 1);
            }
        }
    }
    fill_holes(board);

    Puzzle result;
    result.reset(right - left + 1, bottom - top + 1, Square::empty);
    for (int row = top; row <= bottom; ++row) {
        for (int column = left; column <= right; ++column) {
            const auto from = static_cast<size_t>(board.index(column, row));
            const auto to = static_cast<size_t>(result.index(column - left, row - top));
            result.squares[to] = board.squares[from];
            result.boxes[to] = board.boxes[from];
            result.targets[to] = board.targets[from];
            if (static_cast<int>(from) == board.man) result.man = static_cast<int>(to);
        }
    }
    return result;
}
