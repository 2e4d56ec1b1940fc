#include "solver/board.h"

#include <algorithm>
#include <deque>
#include <optional>

#include "level/map_validation.h"

bool SolverBoard::load(const TLevel& level, std::string& error, int64_t memory_bytes) {
    // The game's own verdict on the level, in its words.
    if (const std::optional<MapFault> fault = built_level_fault(level)) {
        error = fault->words();
        return false;
    }
    load_room(level, error);
    // One distance per target and square, and the estimate's boxes x targets matrix.
    const int64_t targets = static_cast<int64_t>(targets_.size());
    const int64_t table_bytes = (targets * static_cast<int64_t>(free_.size()) + targets * targets) *
                                int64_t{sizeof(int32_t)};
    if (table_bytes > memory_bytes) {
        error = "memory";
        return false;
    }
    measure_push_distances();
    return true;
}

bool SolverBoard::load_room(const TLevel& level, std::string& error) {
    // Square numbers and push counts stay far inside 32 bits only up to the game's own limit.
    if (!level.has_grid() || level.get_width() > max_board_side ||
        level.get_height() > max_board_side) {
        error = MapFault{level.has_grid() ? MapFault::too_large : MapFault::too_small}.words();
        return false;
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
            free_[square] = cell == Cell::floor || cell == Cell::target || cell == Cell::box ||
                            cell == Cell::box_on_target;
            target_[square] = cell == Cell::target || cell == Cell::box_on_target;
            if (target_[square]) targets_.push_back(square);
            if (cell == Cell::box || cell == Cell::box_on_target) start_boxes_.push_back(square);
        }
    }
    const int32_t man_column = level.get_start_column();
    const int32_t man_row = level.get_start_row();
    const bool man_on_board =
        man_column >= 0 && man_column < width_ && man_row >= 0 && man_row < height_;
    man_start_ = man_on_board ? man_column + man_row * width_ : no_square;
    // Nothing is measured yet, so no square can be called dead or near a target.
    dead_.clear();
    push_distance_.clear();
    find_neighbours();
    return true;
}

void SolverBoard::find_neighbours() {
    neighbours_.assign(free_.size() * 4, no_square);
    for (int32_t row = 0; row < height_; ++row) {
        for (int32_t column = 0; column < width_; ++column) {
            for (int direction = 0; direction < 4; ++direction) {
                const int32_t c = column + step_columns[direction];
                const int32_t r = row + step_rows[direction];
                if (c < 0 || c >= width_ || r < 0 || r >= height_) continue;
                neighbours_[static_cast<size_t>(column + row * width_) * 4 + direction] =
                    c + r * width_;
            }
        }
    }
}

// Pulls a lone box back from each target: the squares it gets to are those from which a box
// can be pushed home, and the number of pulls is the number of pushes. The man needs a square
// to stand on behind the box; his start square counts, since the first push may start there.
void SolverBoard::measure_push_distances() {
    const auto standable = [&](int32_t square) {
        return square != no_square && (free_[square] || square == man_start_);
    };
    push_distance_.assign(targets_.size(), std::vector<int32_t>(free_.size(), unreachable));
    dead_.assign(free_.size(), 1);
    std::deque<int32_t> queue;
    for (size_t t = 0; t < targets_.size(); ++t) {
        std::vector<int32_t>& distance = push_distance_[t];
        distance[targets_[t]] = 0;
        queue.assign(1, targets_[t]);
        while (!queue.empty()) {
            const int32_t box = queue.front();
            queue.pop_front();
            dead_[box] = 0;
            for (int direction = 0; direction < 4; ++direction) {
                // The box came from `before`, pushed in `direction` by a man at `behind`.
                const int32_t before = neighbour(box, opposite(direction));
                if (before == no_square || !free_[before]) continue;
                if (!standable(neighbour(before, opposite(direction)))) continue;
                if (distance[before] != unreachable) continue;
                distance[before] = distance[box] + 1;
                queue.push_back(before);
            }
        }
    }
}

// Per square: the push distance to every target, four neighbours and three flags.
int64_t SolverBoard::memory_bytes() const {
    return static_cast<int64_t>(free_.size()) *
           (static_cast<int64_t>(targets_.size()) * 4 + 4 * 4 + 3);
}
