#pragma once

#include <cstddef>
#include <vector>

#include "level/board_room.h"
#include "level/level.h"

// What a square of a board is made of, while the generator carves and trims it. Boxes,
// targets and the man lie on top of floor.
enum class Square : char { empty, wall, floor };

// A board the generator is still building, square by square, and writes out. `empty` squares
// lie beyond the walls and are written as spaces, or left out at the end of a row. Looking at
// a board (which squares are free, how they join) goes through the level's room model: see
// room_board.
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
};

// The board the game builds from this one once it is written out: a space reads as floor, and
// floor the walls do not close in becomes outside. The man stands on his start square; a room
// without him yet starts him off the board.
TLevel game_level(const Puzzle& puzzle);

// A level the game has read, as a board the generator can change: outside squares are empty,
// and the man stands on his start square.
Puzzle puzzle_of(const TLevel& level);

// The game's board from this one as the level's room model reads it, boxes, targets and man
// or not: squares keep their numbers. The puzzle must be no larger than the game takes.
BoardRoom room_board(const Puzzle& puzzle);
