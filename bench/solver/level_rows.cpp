#include "level_rows.h"

#include <string>

#include "level/map_chars.h"

CommonLevel as_rows(const TLevel& level) {
    CommonLevel rows;
    const std::string title = level.get_title();
    rows.title = !title.empty() && title.front() == '\'' ? title.substr(1) : title;
    for (int32_t row = 0; row < level.get_height(); ++row) {
        std::string line;
        for (int32_t column = 0; column < level.get_width(); ++column) {
            const bool man = column == level.get_start_column() && row == level.get_start_row();
            // Outside squares and anything a map cannot hold are written as floor.
            const char c = map_char_of(level.get_cell(column, row), man);
            line += c == '\0' ? map_char::floor : c;
        }
        while (!line.empty() && line.back() == ' ') line.pop_back();
        rows.rows.push_back(line);
    }
    return rows;
}
