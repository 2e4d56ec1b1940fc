#include "level/game_format_writer.h"

#include <algorithm>

#include "level/level.h"

namespace {

std::string counted(int count, const char* one, const char* more) {
    return std::to_string(count) + " " + (count == 1 ? one : more);
}

// The game fills the floor open to the board's edge with outside; a man standing on floor the
// fill reaches is outside the walls, and the game refuses the level. The rows are valid here.
bool man_outside(const std::vector<std::string>& rows, size_t width) {
    TLevel level;
    if (level.create(static_cast<int32_t>(width), static_cast<int32_t>(rows.size())) != 0)
        return false;
    int32_t man_column = -1, man_row = -1;
    for (size_t r = 0; r < rows.size(); ++r) {
        for (size_t c = 0; c < rows[r].size(); ++c) {
            const char piece = rows[r][c];
            const Cell cell = piece == '#'                   ? Cell::wall
                              : piece == ' ' || piece == '@' ? Cell::floor
                              : piece == '$'                 ? Cell::box
                              : piece == '*'                 ? Cell::box_on_target
                                                             : Cell::target;
            level.set_cell(static_cast<int32_t>(c), static_cast<int32_t>(r), cell);
            if (piece == '@' || piece == '+') {
                man_column = static_cast<int32_t>(c);
                man_row = static_cast<int32_t>(r);
            }
        }
    }
    level.mark_outside();
    return level.get_cell(man_column, man_row) == Cell::outside;
}

}  // namespace

// The same rules the game's importer applies to a map, in the same words where it has them.
std::string game_refusal(const std::vector<std::string>& rows) {
    size_t width = 0;
    for (const std::string& row : rows) width = std::max(width, row.size());
    if (rows.size() < 3 || width < 3) return "the level is smaller than 3 x 3";
    int men = 0, boxes = 0, targets = 0;
    for (size_t r = 0; r < rows.size(); ++r) {
        const std::string& row = rows[r];
        const std::string where = "row " + std::to_string(r + 1) + ": ";
        if (row.empty()) return where + "empty rows would end the map";
        const size_t first_wall = row.find('#');
        for (size_t c = 0; c < row.size(); ++c) {
            const char piece = row[c];
            if (piece == '#' || piece == ' ') continue;
            if (piece != '@' && piece != '+' && piece != '$' && piece != '*' && piece != '.')
                return where + "'" + std::string(1, piece) + "' is no board character";
            if (first_wall == std::string::npos || c < first_wall)
                return where + "a piece stands before the row's first wall";
            men += piece == '@' || piece == '+';
            boxes += piece == '$' || piece == '*';
            targets += piece == '.' || piece == '*' || piece == '+';
        }
        if (row.back() != '#') return where + "the row does not end in a wall";
    }
    if (men != 1) return counted(men, "man", "men") + " (there must be one)";
    if (boxes != targets)
        return counted(boxes, "box", "boxes") + " but " + counted(targets, "target", "targets");
    if (boxes == 0) return "there are no boxes";
    if (man_outside(rows, width)) return "the man is outside the walls";
    return {};
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
        text += "; " + std::to_string(++written) + '\n';
        if (!level.title.empty()) text += '\'' + level.title;
        text += '\n';
        for (const std::string& row : level.rows) text += row + '\n';
        text += '\n';
    }
    return text;
}
