#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "puzzle.h"

// The free squares of a board that the man can ever stand on (boxes ignored), numbered densely
// so that search states stay small, with their neighbours in the board's four directions.
class Arena {
  public:
    // The inside is the free squares joined to `seed`, a board square.
    Arena(const BoardRoom& board, int seed);
    Arena(const Puzzle& puzzle, int seed);

    int size() const { return static_cast<int>(board_squares.size()); }
    // The neighbouring cell in direction d (0 to 3, as the board's), or -1 at a wall.
    int neighbour(int cell, int d) const { return neighbours[static_cast<size_t>(cell * 4 + d)]; }
    int board_square(int cell) const { return board_squares[static_cast<size_t>(cell)]; }
    // -1 for a board square that is not inside.
    int cell_of(int square) const { return cells[static_cast<size_t>(square)]; }

    // Marks the cells the man reaches from `start` without crossing a box, and returns the
    // smallest of them: the man's place, up to where he stands within that area.
    int reach(const std::vector<uint8_t>& occupied, int start, std::vector<uint32_t>& marks,
              uint32_t mark) const;

  private:
    std::vector<int> board_squares;
    std::vector<int> cells;
    std::vector<int> neighbours;
    mutable std::vector<int> stack;
};

// Puts the floor squares (board squares, all inside) nearest the first one, walking with the
// boxes aside, first, in the order a walk from it meets them: targets side by side.
void nearest_first(const Arena& arena, std::vector<int>& floor);

// One position during a search: box cells in rising order, then the man's place. A string,
// because up to six boxes then fit in the string itself and cost no allocation.
using StateKey = std::u16string;

struct StateKeyHash {
    size_t operator()(const StateKey& key) const;
};
