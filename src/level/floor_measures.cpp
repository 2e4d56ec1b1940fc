#include "level/floor_measures.h"

#include <vector>

#include "level/directions.h"
#include "level/move_letters.h"
#include "level/rules.h"

namespace {
bool holds_box(Cell cell) {
    return cell == Cell::box || cell == Cell::box_on_target;
}
bool walkable(Cell cell) {
    return cell == Cell::floor || cell == Cell::target || holds_box(cell);
}

}  // namespace

std::vector<bool> floor_of(const TLevel& level) {
    const int32_t width = level.get_width();
    std::vector<bool> reached(static_cast<size_t>(width) * level.get_height(), false);
    const int32_t start_column = level.get_start_column(), start_row = level.get_start_row();
    if (!walkable(level.get_cell(start_column, start_row))) return reached;
    std::vector<std::pair<int32_t, int32_t>> open{{start_column, start_row}};
    reached[static_cast<size_t>(start_column + start_row * width)] = true;
    while (!open.empty()) {
        const auto [column, row] = open.back();
        open.pop_back();
        for (int d = 0; d < direction_count; ++d) {
            const int32_t c = column + step_columns[d], r = row + step_rows[d];
            if (!walkable(level.get_cell(c, r))) continue;
            const size_t square = static_cast<size_t>(c + r * width);
            if (reached[square]) continue;
            reached[square] = true;
            open.emplace_back(c, r);
        }
    }
    return reached;
}

bool measure_floor(const TLevel& level, std::string_view letters, FloorMeasures& measures) {
    measures = FloorMeasures{};
    const int32_t width = level.get_width();
    const std::vector<bool> floor = floor_of(level);
    std::vector<bool> used(floor.size(), false);
    // Boxes are told apart by where they started: `origin` follows each box as it moves.
    std::vector<int32_t> origin(floor.size(), -1);
    std::vector<bool> pushed(floor.size(), false);
    for (size_t square = 0; square < floor.size(); ++square) {
        const int32_t column = static_cast<int32_t>(square) % width;
        const int32_t row = static_cast<int32_t>(square) / width;
        if (holds_box(level.get_cell(column, row))) origin[square] = static_cast<int32_t>(square);
    }
    TPlayLevel play;
    play.copy_from(level);
    auto square_of = [width](int32_t column, int32_t row) {
        return static_cast<size_t>(column + row * width);
    };
    used[square_of(play.get_man_column(), play.get_man_row())] = true;
    for (const char letter : letters) {
        int d = 0;
        bool push = false;
        if (!read_move_letter(letter, d, push)) return false;
        if (move(play, direction_code(d)) != (push ? move_push : move_step)) return false;
        const size_t man = square_of(play.get_man_column(), play.get_man_row());
        used[man] = true;
        if (!push) continue;
        const size_t box =
            square_of(play.get_man_column() + step_columns[d], play.get_man_row() + step_rows[d]);
        origin[box] = origin[man];
        origin[man] = -1;
        pushed[static_cast<size_t>(origin[box])] = true;
        used[box] = true;
    }
    if (!play.is_solved()) return false;
    measures.idle_at.assign(floor.size(), false);
    for (size_t square = 0; square < floor.size(); ++square) {
        if (!floor[square]) continue;
        ++measures.floor;
        measures.idle += used[square] ? 0 : 1;
        measures.idle_at[square] = !used[square];
        measures.boxes += pushed[square] ? 1 : 0;
    }
    return true;
}
