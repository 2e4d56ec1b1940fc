#include "level/board_room.h"

#include "level/map_chars.h"

Outcome<MapFault::Kind> BoardRoom::load_room(const TLevel& level) {
    // Square numbers and push counts stay far inside 32 bits only up to the game's own limit.
    if (!level.has_grid() || level.get_width() > max_board_side ||
        level.get_height() > max_board_side) {
        const MapFault fault{level.has_grid() ? MapFault::too_large : MapFault::too_small};
        return Outcome<MapFault::Kind>::failure(fault.kind, fault.words());
    }
    width_ = level.get_width();
    height_ = level.get_height();
    const size_t count = static_cast<size_t>(width_) * static_cast<size_t>(height_);
    free_.assign(count, 0);
    target_.assign(count, 0);
    targets_.clear();
    start_boxes_.clear();
    for (int32_t row = 0; row < height_; ++row) {
        for (int32_t column = 0; column < width_; ++column) {
            const int32_t square = column + row * width_;
            const Cell cell = level.get_cell(column, row);
            free_[square] = cell == Cell::floor || holds_target(cell) || holds_box(cell);
            target_[square] = holds_target(cell);
            if (target_[square]) targets_.push_back(square);
            if (holds_box(cell)) start_boxes_.push_back(square);
        }
    }
    const int32_t man_column = level.get_start_column();
    const int32_t man_row = level.get_start_row();
    const bool man_on_board =
        man_column >= 0 && man_column < width_ && man_row >= 0 && man_row < height_;
    man_start_ = man_on_board ? man_column + man_row * width_ : no_square;
    find_neighbours();
    return {};
}

void BoardRoom::find_neighbours() {
    neighbours_.assign(free_.size() * direction_count, no_square);
    for (int32_t row = 0; row < height_; ++row) {
        for (int32_t column = 0; column < width_; ++column) {
            for (int direction = 0; direction < direction_count; ++direction) {
                const int32_t c = column + step_columns[direction];
                const int32_t r = row + step_rows[direction];
                if (c < 0 || c >= width_ || r < 0 || r >= height_) continue;
                neighbours_[static_cast<size_t>(column + row * width_) * direction_count +
                            direction] = c + r * width_;
            }
        }
    }
}
