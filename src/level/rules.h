#pragma once

#include <cstdint>

#include "level/directions.h"
#include "level/level.h"

enum MoveResult : int32_t {
    move_step = 0,
    move_push = 256,
    move_bad_step = -1,     // not one square left, right, up or down
    move_blocked = -2,      // wall, outside or off the board ahead (undo: behind)
    move_box_blocked = -3,  // a box ahead that cannot move on
    move_bad_cell = -10,    // a code no built board holds
};

// One undo-list entry: the direction code in the low 8 bits, move_push set for a push.
using TMove = int32_t;

inline TMove make_move(int32_t result, int32_t direction) {
    return result | direction;
}
inline int32_t move_direction(TMove entry) {
    return entry & 0xFF;
}
inline int32_t move_push_flag(TMove entry) {
    return (entry & move_push) ? 1 : 0;
}

// The unit step of a direction code; false for codes other than 1 to 4.
bool direction_step(int32_t direction, int32_t& column_step, int32_t& row_step);

// The man steps by (column_step, row_step), pushing a box if one is ahead and can move.
// Returns a MoveResult; on a negative result nothing changed.
int32_t move_by(TPlayLevel& level, int32_t column_step, int32_t row_step);
int32_t move(TPlayLevel& level, int32_t direction);

// Reverses the step (column_step, row_step) that brought the man here, pulling the box back
// when push_flag is 1. 0, or -1 for a bad step, or -2 when the square behind is not free.
int32_t undo_by(TPlayLevel& level, int32_t column_step, int32_t row_step, int32_t push_flag);
int32_t undo(TPlayLevel& level, int32_t direction, int32_t push_flag);
