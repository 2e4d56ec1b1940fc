#pragma once

#include <cstddef>
#include <vector>

#include "level/level.h"

// What a square of a board is made of. Boxes, targets and the man lie on top of floor.
enum class Square : char { empty, wall, floor };

// One board as the generator sees it. `empty` squares lie beyond the walls and are written as
// spaces, or left out at the end of a row.
struct Puzzle {
    int width = 0;
    int height = 0;
    std::vector<Square> squares;
    std::vector<bool> targets;
    std::vector<bool> boxes;
    int man = -1;  // index of the man's square, -1 while there is none

    // Makes a board of one kind of square, without targets, boxes or man.
    void reset(int new_width, int new_height, Square fill);
    int index(int column, int row) const { return column + row * width; }
    int column_of(int square) const { return square % width; }
    int row_of(int square) const { return square / width; }
    bool on_board(int column, int row) const {
        return column >= 0 && row >= 0 && column < width && row < height;
    }
    int count_boxes() const;
    int count_targets() const;
};

// The four unit steps: left, right, up, down.
constexpr int step_columns[4] = {-1, 1, 0, 0};
constexpr int step_rows[4] = {0, 0, -1, 1};

// The board the game builds from this one once it is written out: a space reads as floor, and
// floor the walls do not close in becomes outside. The man stands on his start square.
TLevel game_level(const Puzzle& puzzle);
