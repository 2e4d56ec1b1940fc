#include "order_levels.h"

#include <algorithm>
#include <numeric>

#include "level/game_text.h"
#include "measures_table.h"

std::vector<size_t> difficulty_order(const std::vector<double>& difficulty) {
    std::vector<size_t> order(difficulty.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return difficulty[a] < difficulty[b]; });
    return order;
}

std::string order_collection(std::string_view text, const std::vector<size_t>& order) {
    std::vector<std::string_view> lines = game_lines(text);
    // The empty line after the last line feed is not a line of the last level.
    if (!lines.empty() && lines.back().empty()) lines.pop_back();
    const std::vector<GameTextLevel> levels = split_game_levels(lines);

    std::string out;
    const size_t first_header = levels.empty() ? lines.size() : levels.front().header;
    for (size_t i = 0; i < first_header; ++i) out.append(lines[i]).push_back('\n');
    int number = 0;
    for (const size_t index : order) {
        if (index >= levels.size()) continue;
        const size_t end = index + 1 < levels.size() ? levels[index + 1].header : lines.size();
        out += "; " + std::to_string(++number) + "\n";
        for (size_t i = levels[index].header + 1; i < end; ++i)
            out.append(lines[i]).push_back('\n');
        // A level moved up from the end of the file still needs the empty line closing its map.
        if (!lines[end - 1].empty()) out.push_back('\n');
    }
    return out;
}

std::string order_table_lines(const std::vector<std::string>& lines, const std::string& name,
                              const std::vector<size_t>& order) {
    // The new number of the level at each place in the file.
    std::vector<size_t> number(order.size());
    for (size_t place = 0; place < order.size(); ++place) number[order[place]] = place + 1;

    std::vector<std::string> moved(order.size());
    std::string out;
    bool placed = false;
    for (const std::string& line : lines) {
        const auto level = read_measures_line(line);
        const bool ours = level && collection_name(level->file) == name &&
                          static_cast<size_t>(level->level) <= order.size();
        if (!ours) {
            out += line + "\n";
            continue;
        }
        const size_t new_number = number[static_cast<size_t>(level->level) - 1];
        const size_t tab = line.find('\t'), next = line.find('\t', tab + 1);
        moved[new_number - 1] =
            line.substr(0, tab + 1) + std::to_string(new_number) + line.substr(next);
        if (!placed) out += '\0';  // where the collection's lines go
        placed = true;
    }
    std::string block;
    for (const auto& line : moved) {
        if (!line.empty()) block += line + "\n";
    }
    const size_t mark = out.find('\0');
    return mark == std::string::npos ? out : out.replace(mark, 1, block);
}
