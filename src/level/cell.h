#pragma once

#include <cstdint>

// What a board square holds, and the tile codes drawing uses. The numbers are fixed: boards,
// tiles in the skin bitmaps and level files all agree on them. Scoped, because `floor` would
// otherwise collide with the maths library.
enum class Cell : int32_t {
    no_cell = -1,  // off the board, or a bad character in a level that failed import
    outside = 0,
    floor = 1,
    target = 2,
    box = 3,
    box_on_target = 4,
    man = 5,            // drawing only
    man_on_target = 6,  // drawing only
    wall = 7,
    wall_join_right = 8,  // drawing only: a wall with a wall to its right only
    wall_join_both = 9,   // drawing only
    wall_join_left = 10,  // drawing only: a wall with a wall to its left only
};
