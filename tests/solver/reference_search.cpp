#include "reference_search.h"

#include <map>
#include <queue>
#include <string>
#include <tuple>
#include <vector>

#include "level/rules.h"

namespace {
// A position written out: every cell code, then the man's square.
std::string snapshot(const TPlayLevel& play) {
    std::string text;
    for (int32_t row = 0; row < play.get_height(); ++row) {
        for (int32_t column = 0; column < play.get_width(); ++column) {
            text += static_cast<char>('0' + static_cast<int>(play.get_cell(column, row)));
        }
    }
    text += ':' + std::to_string(play.get_man_column()) + ',' + std::to_string(play.get_man_row());
    return text;
}

void restore(TPlayLevel& play, const std::string& text) {
    size_t i = 0;
    for (int32_t row = 0; row < play.get_height(); ++row) {
        for (int32_t column = 0; column < play.get_width(); ++column) {
            play.set_cell(column, row, static_cast<Cell>(text[i++] - '0'));
        }
    }
    const size_t comma = text.find(',', i);
    play.set_man(std::stoi(text.substr(i + 1, comma - i - 1)), std::stoi(text.substr(comma + 1)));
}
}  // namespace

std::optional<std::pair<int32_t, int32_t>> reference_optimum(const TLevel& level,
                                                             Optimise optimise) {
    using Cost = std::pair<int32_t, int32_t>;
    using Entry = std::tuple<Cost, std::string>;
    TPlayLevel play;
    play.copy_from(level);
    std::map<std::string, Cost> best;
    std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> open;
    const std::string start = snapshot(play);
    best[start] = {0, 0};
    open.push({{0, 0}, start});
    while (!open.empty()) {
        const auto [cost, position] = open.top();
        open.pop();
        if (best[position] < cost) continue;
        restore(play, position);
        if (play.is_solved()) return cost;
        for (int32_t direction = dir_left; direction <= dir_down; ++direction) {
            restore(play, position);
            const int32_t result = move(play, direction);
            if (result < 0) continue;
            const bool pushed = result == move_push;
            Cost next = cost;
            if (optimise == Optimise::pushes) {
                next.first += pushed ? 1 : 0;
                next.second += 1;
            } else {
                next.first += 1;
                next.second += pushed ? 1 : 0;
            }
            const std::string reached = snapshot(play);
            const auto known = best.find(reached);
            if (known != best.end() && known->second <= next) continue;
            best[reached] = next;
            open.push({next, reached});
        }
    }
    return std::nullopt;
}
