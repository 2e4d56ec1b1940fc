#include "level/game_text.h"

#include <algorithm>
#include <cstring>

std::vector<std::string_view> game_lines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t position = 0;
    for (;;) {
        const char* start = text.data() + position;
        const void* line_feed = std::memchr(start, '\n', text.size() - position);
        if (line_feed == nullptr) break;
        const size_t length = static_cast<const char*>(line_feed) - start;
        lines.push_back(text.substr(position, length));
        position += length + 1;
    }
    lines.push_back(text.substr(position));
    return lines;
}

std::vector<GameTextLevel> split_game_levels(const std::vector<std::string_view>& lines,
                                             const std::vector<bool>& map_starts) {
    std::vector<GameTextLevel> levels;
    for (size_t i = 0; i < lines.size();) {
        if (lines[i].empty() || lines[i][0] != ';') {
            ++i;
            continue;
        }
        GameTextLevel level;
        level.header = i++;
        if (i < map_starts.size() && map_starts[i]) {
            level.title_missing = true;
        } else if (i < lines.size()) {
            level.has_title_line = true;
            ++i;
        }
        while (i < lines.size() && lines[i].empty()) ++i;
        level.map_first = i;
        while (i < lines.size() && !lines[i].empty()) ++i;
        level.map_end = i;
        levels.push_back(level);
    }
    return levels;
}

ParsedCollection parse_collection(std::string_view text) {
    ParsedCollection parsed;
    const std::vector<std::string_view> lines = game_lines(text);
    std::vector<std::string_view> rows;
    std::vector<Cell> row_cells;  // one row's cells, reused from level to level
    for (const GameTextLevel& found : split_game_levels(lines)) {
        // A header with no map after it makes no level.
        if (found.map_first == found.map_end) continue;
        auto level = std::make_unique<TLevel>();
        level->set_number(static_cast<int32_t>(parsed.levels.size()) + 1);
        if (found.has_title_line) {
            const std::string_view title = lines[found.header + 1];
            if (!title.empty() && title[0] == '\'') level->set_title(std::string(title));
        }
        // Rows past the largest board are counted but not kept: such a level is refused
        // whole, so only its size matters.
        const size_t height = found.map_end - found.map_first;
        size_t width = 0;
        rows.clear();
        for (size_t line = found.map_first; line < found.map_end; ++line) {
            width = std::max(width, lines[line].size());
            if (rows.size() < static_cast<size_t>(max_board_side)) rows.push_back(lines[line]);
        }
        for (const MapFault& fault : read_map(rows, width, height, *level, row_cells))
            parsed.diagnostics.push_back({level->get_number(), fault});
        parsed.levels.push_back(std::move(level));
    }
    return parsed;
}
