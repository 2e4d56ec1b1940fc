#include "level/rules.h"

namespace {

// A unit step has one coordinate of -1 or +1 and the other 0. Testing the values one by one
// keeps huge steps from overflowing where their absolute values would be added.
bool is_unit_step(int32_t column_step, int32_t row_step) {
    bool column_unit = column_step == -1 || column_step == 1;
    bool row_unit = row_step == -1 || row_step == 1;
    return (column_unit && row_step == 0) || (row_unit && column_step == 0);
}

// The cell `distance` steps away from (column, row). Worked out in 64 bits so that a man set
// at the edge of the number range still meets no_cell instead of an overflow.
Cell cell_beside(const TLevel& level, int32_t column, int32_t row, int32_t column_step,
                 int32_t row_step, int32_t distance) {
    int64_t c = static_cast<int64_t>(column) + static_cast<int64_t>(column_step) * distance;
    int64_t r = static_cast<int64_t>(row) + static_cast<int64_t>(row_step) * distance;
    if (c < 0 || r < 0 || c >= level.get_width() || r >= level.get_height()) return Cell::no_cell;
    return level.get_cell(static_cast<int32_t>(c), static_cast<int32_t>(r));
}

bool is_free(Cell code) {
    return code == Cell::floor || code == Cell::target;
}

}  // namespace

bool direction_step(int32_t direction, int32_t& column_step, int32_t& row_step) {
    if (direction < dir_left || direction > dir_down) return false;
    column_step = step_columns[direction_index(direction)];
    row_step = step_rows[direction_index(direction)];
    return true;
}

int32_t move_by(TPlayLevel& level, int32_t column_step, int32_t row_step) {
    if (!is_unit_step(column_step, row_step)) return move_bad_step;
    const int32_t man_column = level.get_man_column();
    const int32_t man_row = level.get_man_row();
    const Cell ahead = cell_beside(level, man_column, man_row, column_step, row_step, 1);
    switch (ahead) {
        case Cell::no_cell:
        case Cell::outside:
        case Cell::wall:
            return move_blocked;
        case Cell::floor:
        case Cell::target:
            level.set_man(man_column + column_step, man_row + row_step);
            return move_step;
        case Cell::box:
        case Cell::box_on_target: {
            const Cell beyond = cell_beside(level, man_column, man_row, column_step, row_step, 2);
            if (!is_free(beyond)) return move_box_blocked;
            level.set_cell(man_column + 2 * column_step, man_row + 2 * row_step,
                           beyond == Cell::floor ? Cell::box : Cell::box_on_target);
            level.set_cell(man_column + column_step, man_row + row_step,
                           ahead == Cell::box ? Cell::floor : Cell::target);
            level.set_man(man_column + column_step, man_row + row_step);
            return move_push;
        }
        default:
            return move_bad_cell;
    }
}

int32_t move(TPlayLevel& level, int32_t direction) {
    int32_t column_step = 0;
    int32_t row_step = 0;
    if (!direction_step(direction, column_step, row_step)) return move_bad_step;
    return move_by(level, column_step, row_step);
}

int32_t undo_by(TPlayLevel& level, int32_t column_step, int32_t row_step, int32_t push_flag) {
    if (!is_unit_step(column_step, row_step)) return move_bad_step;
    const int32_t man_column = level.get_man_column();
    const int32_t man_row = level.get_man_row();
    const Cell here = cell_beside(level, man_column, man_row, column_step, row_step, 0);
    const Cell behind = cell_beside(level, man_column, man_row, column_step, row_step, -1);
    const Cell ahead = cell_beside(level, man_column, man_row, column_step, row_step, 1);
    if (!is_free(behind)) return move_blocked;
    // The box is pulled back only onto a square that can hold it: taking it from ahead while
    // the man's square is something else would make it vanish from the board.
    if (push_flag != 0 && (ahead == Cell::box || ahead == Cell::box_on_target) && is_free(here)) {
        level.set_cell(man_column, man_row, here == Cell::floor ? Cell::box : Cell::box_on_target);
        level.set_cell(man_column + column_step, man_row + row_step,
                       ahead == Cell::box ? Cell::floor : Cell::target);
    }
    level.set_man(man_column - column_step, man_row - row_step);
    return move_step;
}

int32_t undo(TPlayLevel& level, int32_t direction, int32_t push_flag) {
    int32_t column_step = 0;
    int32_t row_step = 0;
    if (!direction_step(direction, column_step, row_step)) return move_bad_step;
    return undo_by(level, column_step, row_step, push_flag);
}
