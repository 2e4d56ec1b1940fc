#pragma once

#include <cstdint>

// The four ways the man moves, and the one table every part of Pushwell walks a board with.
//
// Two numberings, one mapping: the game's Direction codes 1..4 are what its undo list stores
// (make_move packs them beside the push bit), and the tables below are indexed 0..3 in the same
// order. direction_index and direction_code are the only bridge between them.
enum Direction : int32_t { dir_left = 1, dir_right = 2, dir_up = 3, dir_down = 4 };

constexpr int direction_count = 4;

constexpr int direction_index(int32_t code) {
    return static_cast<int>(code) - 1;
}
constexpr int32_t direction_code(int index) {
    return static_cast<int32_t>(index) + 1;
}

// The step one square takes in each direction index: left, right, up, down.
constexpr int32_t step_columns[direction_count] = {-1, 1, 0, 0};
constexpr int32_t step_rows[direction_count] = {0, 0, -1, 1};

// Left and right, up and down sit side by side as indexes 0 and 1, 2 and 3: flipping the lowest
// bit turns a direction round.
constexpr int opposite(int index) {
    return index ^ 1;
}
