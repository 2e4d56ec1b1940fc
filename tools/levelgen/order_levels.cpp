#include "order_levels.h"

#include <algorithm>
#include <numeric>

#include "level/game_text.h"

std::string order_collection(std::string_view text, const std::vector<double>& difficulty) {
    std::vector<std::string_view> lines = game_lines(text);
    // The empty line after the last line feed is not a line of the last level.
    if (!lines.empty() && lines.back().empty()) lines.pop_back();
    const std::vector<GameTextLevel> levels = split_game_levels(lines);

    std::vector<size_t> order(levels.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        return (a < difficulty.size() ? difficulty[a] : 0) <
               (b < difficulty.size() ? difficulty[b] : 0);
    });

    std::string out;
    const size_t first_header = levels.empty() ? lines.size() : levels.front().header;
    for (size_t i = 0; i < first_header; ++i) out.append(lines[i]).push_back('\n');
    int number = 0;
    for (const size_t index : order) {
        const size_t end = index + 1 < levels.size() ? levels[index + 1].header : lines.size();
        out += "; " + std::to_string(++number) + "\n";
        for (size_t i = levels[index].header + 1; i < end; ++i)
            out.append(lines[i]).push_back('\n');
        // A level moved up from the end of the file still needs the empty line closing its map.
        if (lines[end - 1].size() > 0) out.push_back('\n');
    }
    return out;
}
