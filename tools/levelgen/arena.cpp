#include "arena.h"

Arena::Arena(const BoardRoom& board, int seed)
    : cells(static_cast<size_t>(board.square_count()), -1) {
    std::vector<int> pending{seed};
    cells[static_cast<size_t>(seed)] = 0;
    board_squares.push_back(seed);
    while (!pending.empty()) {
        const int square = pending.back();
        pending.pop_back();
        for (int d = 0; d < 4; ++d) {
            const int next = board.neighbour(square, d);
            if (!board.is_free(next) || cells[static_cast<size_t>(next)] >= 0) continue;
            cells[static_cast<size_t>(next)] = static_cast<int>(board_squares.size());
            board_squares.push_back(next);
            pending.push_back(next);
        }
    }
    neighbours.assign(board_squares.size() * 4, -1);
    for (size_t cell = 0; cell < board_squares.size(); ++cell) {
        for (int d = 0; d < 4; ++d) {
            const int next = board.neighbour(board_squares[cell], d);
            if (next != BoardRoom::no_square) {
                neighbours[cell * 4 + static_cast<size_t>(d)] = cells[static_cast<size_t>(next)];
            }
        }
    }
}

Arena::Arena(const Puzzle& puzzle, int seed) : Arena(room_board(puzzle), seed) {}

int Arena::reach(const std::vector<uint8_t>& occupied, int start, std::vector<uint32_t>& marks,
                 uint32_t mark) const {
    int smallest = start;
    stack.clear();
    stack.push_back(start);
    marks[static_cast<size_t>(start)] = mark;
    while (!stack.empty()) {
        const int cell = stack.back();
        stack.pop_back();
        if (cell < smallest) smallest = cell;
        for (int d = 0; d < 4; ++d) {
            const int next = neighbour(cell, d);
            if (next < 0 || occupied[static_cast<size_t>(next)] ||
                marks[static_cast<size_t>(next)] == mark) {
                continue;
            }
            marks[static_cast<size_t>(next)] = mark;
            stack.push_back(next);
        }
    }
    return smallest;
}

size_t StateKeyHash::operator()(const StateKey& key) const {
    uint64_t hash = 1469598103934665603ull;
    for (char16_t value : key) {
        hash = (hash ^ value) * 1099511628211ull;
    }
    return static_cast<size_t>(hash ^ (hash >> 29));
}

void nearest_first(const Arena& arena, std::vector<int>& floor) {
    std::vector<int> order{arena.cell_of(floor.front())};
    std::vector<bool> met(static_cast<size_t>(arena.size()), false);
    met[static_cast<size_t>(order.front())] = true;
    for (size_t next = 0; next < order.size(); ++next) {
        for (int d = 0; d < 4; ++d) {
            const int cell = arena.neighbour(order[next], d);
            if (cell < 0 || met[static_cast<size_t>(cell)]) continue;
            met[static_cast<size_t>(cell)] = true;
            order.push_back(cell);
        }
    }
    for (size_t i = 0; i < order.size(); ++i) floor[i] = arena.board_square(order[i]);
}
