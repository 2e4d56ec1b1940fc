#include "greedy.h"

#include <optional>
#include <string>
#include <vector>

#include "level/board_room.h"
#include "level/directions.h"
#include "level/move_letters.h"
#include "level/rules.h"
#include "play_path.h"

namespace {

bool open_square(const TLevel& level, int32_t column, int32_t row) {
    const Cell cell = level.get_cell(column, row);
    return cell == Cell::floor || cell == Cell::target;
}

// One box on its way: where it stands, where the man stands, and how it got there.
struct BoxStep {
    int32_t box;
    int32_t man;
    int parent;     // -1 for where the box starts
    int direction;  // of the push that led here
};

// The shortest pushes (direction indices) that bring the box on `box` alone onto an empty
// target, every other box standing still; nothing when no target can be reached.
std::optional<std::vector<int>> pushes_home(const TPlayLevel& level, int32_t box) {
    const int32_t width = level.get_width();
    const auto size = static_cast<size_t>(width * level.get_height());
    auto column = [width](int32_t square) { return square % width; };
    auto row = [width](int32_t square) { return square / width; };
    // The box's own square is open to it and to the man once it has moved off.
    auto open = [&](int32_t square, int32_t box_now) {
        if (square == box_now) return false;
        return square == box || open_square(level, column(square), row(square));
    };
    std::vector<BoxStep> steps{{box, level.get_man_column() + level.get_man_row() * width, -1, 0}};
    std::vector<bool> seen(size * 4, false);
    std::vector<uint32_t> reached(size, 0);
    std::vector<int32_t> pending;
    for (size_t next = 0; next < steps.size(); ++next) {
        const BoxStep here = steps[next];
        if (here.parent >= 0 && level.get_cell(column(here.box), row(here.box)) == Cell::target) {
            std::vector<int> pushes;
            for (int at = static_cast<int>(next); steps[static_cast<size_t>(at)].parent >= 0;
                 at = steps[static_cast<size_t>(at)].parent) {
                pushes.insert(pushes.begin(), steps[static_cast<size_t>(at)].direction);
            }
            return pushes;
        }
        // Where the man can walk with the box here.
        const auto mark = static_cast<uint32_t>(next + 1);
        pending.assign(1, here.man);
        reached[static_cast<size_t>(here.man)] = mark;
        while (!pending.empty()) {
            const int32_t square = pending.back();
            pending.pop_back();
            for (int d = 0; d < 4; ++d) {
                const int32_t c = column(square) + step_columns[d];
                const int32_t r = row(square) + step_rows[d];
                if (c < 0 || r < 0 || c >= width || r >= level.get_height()) continue;
                const int32_t to = c + r * width;
                if (reached[static_cast<size_t>(to)] == mark || !open(to, here.box)) continue;
                reached[static_cast<size_t>(to)] = mark;
                pending.push_back(to);
            }
        }
        for (int d = 0; d < 4; ++d) {
            const int32_t behind_c = column(here.box) - step_columns[d];
            const int32_t behind_r = row(here.box) - step_rows[d];
            const int32_t ahead_c = column(here.box) + step_columns[d];
            const int32_t ahead_r = row(here.box) + step_rows[d];
            if (level.get_cell(behind_c, behind_r) == Cell::no_cell ||
                level.get_cell(ahead_c, ahead_r) == Cell::no_cell) {
                continue;
            }
            const int32_t behind = behind_c + behind_r * width;
            const int32_t ahead = ahead_c + ahead_r * width;
            if (reached[static_cast<size_t>(behind)] != mark || !open(ahead, here.box)) continue;
            if (seen[static_cast<size_t>(ahead) * 4 + static_cast<size_t>(d)]) continue;
            seen[static_cast<size_t>(ahead) * 4 + static_cast<size_t>(d)] = true;
            steps.push_back({ahead, here.box, static_cast<int>(next), d});
        }
    }
    return std::nullopt;
}

}  // namespace

bool greedy_player_solves(const TLevel& level) {
    TPlayLevel play;
    play.copy_from(level);
    const int32_t width = play.get_width();
    while (!play.is_solved()) {
        int32_t chosen = -1;
        std::vector<int> chosen_pushes;
        for (int32_t square = 0; square < width * play.get_height(); ++square) {
            if (play.get_cell(square % width, square / width) != Cell::box) continue;
            const auto pushes = pushes_home(play, square);
            if (pushes && (chosen < 0 || pushes->size() < chosen_pushes.size())) {
                chosen = square;
                chosen_pushes = *pushes;
            }
        }
        if (chosen < 0) return false;
        int32_t box = chosen;
        for (const int d : chosen_pushes) {
            const auto walk =
                walk_to(play, box % width - step_columns[d], box / width - step_rows[d]);
            if (!walk || !play_moves(play, *walk + move_letter(d, true))) return false;
            box += step_columns[d] + step_rows[d] * width;
        }
    }
    return true;
}
