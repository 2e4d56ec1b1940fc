#include "level/game_reading.h"

std::vector<GameReadLevel> read_as_game(const std::vector<std::string_view>& lines,
                                        const std::vector<bool>& map_starts) {
    std::vector<GameReadLevel> levels;
    for (size_t i = 0; i < lines.size();) {
        if (lines[i].empty() || lines[i][0] != ';') {
            ++i;
            continue;
        }
        GameReadLevel level;
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
