#include "layout_checks.h"

#include <istream>
#include <utility>

#include "puzzle.h"

std::vector<std::string> layout_faults(std::istream& in) {
    std::vector<std::string> faults;
    // Follows the game's reading: a header, the line after it, then map rows up to an empty line.
    enum class Reading { between, title, map } state = Reading::between;
    bool map_begun = false;
    std::string line;
    int line_number = 0;
    bool ended_by_line_feed = true;
    while (std::getline(in, line)) {
        ++line_number;
        ended_by_line_feed = !in.eof();
        const std::string where = "line " + std::to_string(line_number) + ": ";
        if (line.find('\r') != std::string::npos) {
            faults.push_back(where + "carriage return (the game reads line feeds only)");
        }
        switch (state) {
            case Reading::between:
                if (!line.empty() && line[0] == ';') state = Reading::title;
                break;
            case Reading::title:
                if (line.empty() || line[0] != '\'') {
                    faults.push_back(where +
                                     "a title line beginning with an apostrophe must follow the "
                                     "header");
                }
                state = Reading::map;
                map_begun = false;
                break;
            case Reading::map:
                if (!line.empty()) {
                    map_begun = true;
                } else if (map_begun) {
                    state = Reading::between;
                }
                break;
        }
    }
    // A line feed at the very end of the file closes the map as an empty line would.
    if (state == Reading::map && map_begun && ended_by_line_feed) state = Reading::between;
    if (state != Reading::between)
        faults.push_back("the last level is not closed by an empty line");
    return faults;
}

bool closed_in(const TLevel& level) {
    const int32_t width = level.get_width();
    const int32_t height = level.get_height();
    const int32_t man_column = level.get_start_column();
    const int32_t man_row = level.get_start_row();
    if (man_column < 0 || man_row < 0 || man_column >= width || man_row >= height) return false;
    std::vector<bool> seen(static_cast<size_t>(width) * static_cast<size_t>(height), false);
    auto seen_at = [&](int32_t column, int32_t row) {
        return seen[static_cast<size_t>(column) + static_cast<size_t>(row) * width];
    };
    std::vector<std::pair<int32_t, int32_t>> pending{{man_column, man_row}};
    seen_at(man_column, man_row) = true;
    while (!pending.empty()) {
        const auto [column, row] = pending.back();
        pending.pop_back();
        if (column == 0 || row == 0 || column == width - 1 || row == height - 1) return false;
        for (int d = 0; d < 4; ++d) {
            const int32_t next_column = column + step_columns[d];
            const int32_t next_row = row + step_rows[d];
            if (seen_at(next_column, next_row) ||
                level.get_cell(next_column, next_row) == Cell::wall) {
                continue;
            }
            seen_at(next_column, next_row) = true;
            pending.emplace_back(next_column, next_row);
        }
    }
    return true;
}
