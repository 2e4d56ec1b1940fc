#include "level/game_format_writer.h"

#include "level/map_validation.h"

std::string game_refusal(const std::vector<std::string>& rows) {
    TLevel level;
    const std::vector<MapFault> faults = read_map(rows, level);
    return faults.empty() ? std::string() : faults.front().words();
}

std::string game_level_text(int32_t number, const std::string& title,
                            const std::vector<std::string>& rows) {
    std::string text = "; " + std::to_string(number) + '\n';
    if (!title.empty()) text += '\'' + title;
    text += '\n';
    for (const std::string& row : rows) text += row + '\n';
    return text + '\n';
}

std::string write_game_format(const CommonCollection& collection,
                              std::vector<LeftOutLevel>& left_out) {
    left_out.clear();
    std::string text;
    for (const std::string& line : collection.heading) {
        if (!line.empty() && line[0] == ';') text += ' ';
        text += line + '\n';
    }
    if (!collection.heading.empty()) text += '\n';
    int32_t written = 0;
    for (size_t i = 0; i < collection.levels.size(); ++i) {
        const CommonLevel& level = collection.levels[i];
        const int32_t number = static_cast<int32_t>(i + 1);
        std::string refusal = level.fault.empty() ? game_refusal(level.rows) : level.fault;
        if (!refusal.empty()) {
            left_out.push_back({number, std::move(refusal)});
            continue;
        }
        text += game_level_text(++written, level.title, level.rows);
    }
    return text;
}
