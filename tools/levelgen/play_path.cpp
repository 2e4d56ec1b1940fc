#include "play_path.h"

#include <vector>

#include "level/directions.h"
#include "level/move_letters.h"

namespace {

bool walkable(const TLevel& level, int32_t column, int32_t row) {
    const Cell cell = level.get_cell(column, row);
    return cell == Cell::floor || cell == Cell::target;
}

}  // namespace

std::optional<std::string> walk_to(const TPlayLevel& level, int32_t column, int32_t row) {
    const int32_t width = level.get_width();
    const int32_t start = level.get_man_column() + level.get_man_row() * width;
    const int32_t goal = column + row * width;
    // The direction each square was first entered by, -1 while unseen.
    if (goal == start) return std::string();
    if (!walkable(level, column, row)) return std::nullopt;
    std::vector<int> entered(static_cast<size_t>(width * level.get_height()), -1);
    std::vector<int32_t> pending{start};
    entered[static_cast<size_t>(start)] = 4;
    for (size_t next = 0; next < pending.size() && entered[static_cast<size_t>(goal)] < 0; ++next) {
        const int32_t square = pending[next];
        for (int d = 0; d < 4; ++d) {
            const int32_t c = square % width + step_columns[d];
            const int32_t r = square / width + step_rows[d];
            if (!walkable(level, c, r) || entered[static_cast<size_t>(c + r * width)] >= 0)
                continue;
            entered[static_cast<size_t>(c + r * width)] = d;
            pending.push_back(c + r * width);
        }
    }
    if (entered[static_cast<size_t>(goal)] < 0) return std::nullopt;
    std::string walk;
    for (int32_t square = goal; square != start;) {
        const int d = entered[static_cast<size_t>(square)];
        walk.insert(walk.begin(), move_letter(d, false));
        square -= step_columns[d] + step_rows[d] * width;
    }
    return walk;
}

bool replay_solves(const TLevel& level, const std::string& letters) {
    int32_t moves = 0;
    int32_t pushes = 0;
    return replay_moves(level, letters, moves, pushes);
}
