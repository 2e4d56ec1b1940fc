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

GameLineSplitter::Role GameLineSplitter::feed(std::string_view line, bool map_start) {
    switch (state) {
        case State::between:
            if (line.empty() || line[0] != ';') return Role::outside;
            state = State::after_header;
            return Role::header;
        case State::after_header:
            state = State::before_map;
            if (!map_start) return Role::title_line;
            [[fallthrough]];
        case State::before_map:
            if (line.empty()) return Role::blank;
            state = State::in_map;
            return Role::map_row;
        case State::in_map:
            if (!line.empty()) return Role::map_row;
            state = State::between;
            return Role::map_end;
    }
    return Role::outside;
}

std::vector<GameTextLevel> split_game_levels(const std::vector<std::string_view>& lines,
                                             const std::vector<bool>& map_starts) {
    std::vector<GameTextLevel> levels;
    GameLineSplitter splitter;
    bool has_map = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        const bool map_start = i < map_starts.size() && map_starts[i];
        switch (splitter.feed(lines[i], map_start)) {
            case GameLineSplitter::Role::header:
                levels.push_back(GameTextLevel{i, false, false, lines.size(), lines.size()});
                has_map = false;
                // A marked line right after the header is its first map row.
                levels.back().title_missing = i + 1 < map_starts.size() && map_starts[i + 1];
                break;
            case GameLineSplitter::Role::title_line:
                levels.back().has_title_line = true;
                break;
            case GameLineSplitter::Role::map_row:
                if (!has_map) levels.back().map_first = i;
                has_map = true;
                levels.back().map_end = i + 1;
                break;
            default:
                break;
        }
    }
    return levels;
}

namespace {

// One level as the lines come: its title and rows until the map is closed.
struct LevelInProgress {
    std::string title;
    std::vector<std::string_view> rows;
    size_t width = 0;
    size_t height = 0;
};

void build_level(LevelInProgress& found, ParsedCollection& parsed, std::vector<Cell>& row_cells) {
    auto level = std::make_unique<TLevel>();
    level->set_number(static_cast<int32_t>(parsed.levels.size()) + 1);
    level->set_title(found.title);
    for (const MapFault& fault : read_map(found.rows, found.width, found.height, *level, row_cells))
        parsed.diagnostics.push_back({level->get_number(), fault});
    parsed.levels.push_back(std::move(level));
}

}  // namespace

ParsedCollection parse_collection(std::string_view text) {
    ParsedCollection parsed;
    GameLineSplitter splitter;
    LevelInProgress found;
    std::vector<Cell> row_cells;  // one row's cells, reused from level to level
    size_t position = 0;
    // The text after the last line feed is a line of its own, as game_lines has it.
    for (bool last = false; !last;) {
        const void* line_feed = std::memchr(text.data() + position, '\n', text.size() - position);
        last = line_feed == nullptr;
        const size_t length =
            last
                ? text.size() - position
                : static_cast<size_t>(static_cast<const char*>(line_feed) - text.data()) - position;
        const std::string_view line = text.substr(position, length);
        position += length + 1;
        switch (splitter.feed(line)) {
            case GameLineSplitter::Role::header:
                found = LevelInProgress();
                break;
            case GameLineSplitter::Role::title_line:
                if (!line.empty() && line[0] == '\'') found.title = std::string(line);
                break;
            case GameLineSplitter::Role::map_row:
                // Rows past the largest board are counted but not kept: such a level is refused
                // whole, so only its size matters.
                found.width = std::max(found.width, line.size());
                ++found.height;
                if (found.rows.size() < static_cast<size_t>(max_board_side))
                    found.rows.push_back(line);
                break;
            case GameLineSplitter::Role::map_end:
                build_level(found, parsed, row_cells);
                break;
            default:
                break;
        }
    }
    // The end of the file closes a map; a header with no map after it makes no level.
    if (splitter.in_map()) build_level(found, parsed, row_cells);
    return parsed;
}
