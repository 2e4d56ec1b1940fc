#include "level_text.h"

#include <algorithm>
#include <istream>
#include <ostream>

CollectionText read_collection(std::istream& in) {
    CollectionText result;
    enum class Reading { between, title, map } state = Reading::between;
    std::string line;
    int line_number = 0;
    bool ended_by_line_feed = true;
    while (std::getline(in, line)) {
        ++line_number;
        ended_by_line_feed = !in.eof();
        if (line.find('\r') != std::string::npos) {
            result.faults.push_back("line " + std::to_string(line_number) +
                                    ": carriage return (the game reads line feeds only)");
        }
        switch (state) {
            case Reading::between:
                if (!line.empty() && line[0] == ';') {
                    result.levels.push_back(LevelText{line_number, "", {}});
                    state = Reading::title;
                }
                break;
            case Reading::title:
                if (!line.empty() && line[0] == '\'') {
                    result.levels.back().title = line;
                } else {
                    // The game throws this line away: usually the first map row.
                    result.faults.push_back("line " + std::to_string(line_number) +
                                            ": a title line beginning with an apostrophe "
                                            "must follow the header");
                }
                state = Reading::map;
                break;
            case Reading::map:
                if (!line.empty()) {
                    result.levels.back().rows.push_back(line);
                } else if (!result.levels.back().rows.empty()) {
                    state = Reading::between;
                }
                break;
        }
    }
    // The game counts the end of the file right after a line feed as the closing empty line.
    if (state == Reading::map && ended_by_line_feed && !result.levels.back().rows.empty()) {
        state = Reading::between;
    }
    if (state != Reading::between) {
        result.faults.push_back("the last level is not closed by an empty line: the game drops it");
        result.levels.pop_back();
    }
    return result;
}

namespace {

// Floor the man could walk to must never reach the edge of the board: the game would turn
// it into outside and the level would fall apart.
bool closed_in(const Puzzle& puzzle) {
    std::vector<bool> seen(puzzle.squares.size(), false);
    std::vector<int> stack{puzzle.man};
    seen[static_cast<size_t>(puzzle.man)] = true;
    while (!stack.empty()) {
        const int square = stack.back();
        stack.pop_back();
        const int column = puzzle.column_of(square);
        const int row = puzzle.row_of(square);
        if (column == 0 || row == 0 || column == puzzle.width - 1 || row == puzzle.height - 1) {
            return false;
        }
        for (int d = 0; d < 4; ++d) {
            const int next = puzzle.index(column + step_columns[d], row + step_rows[d]);
            if (!seen[static_cast<size_t>(next)] &&
                puzzle.squares[static_cast<size_t>(next)] != Square::wall) {
                seen[static_cast<size_t>(next)] = true;
                stack.push_back(next);
            }
        }
    }
    return true;
}

}  // namespace

bool parse_rows(const std::vector<std::string>& rows, Puzzle& puzzle, std::string& fault) {
    size_t width = 0;
    for (const auto& row : rows) width = std::max(width, row.size());
    if (rows.size() < 3 || width < 3) {
        fault = "smaller than 3 x 3";
        return false;
    }
    puzzle.reset(static_cast<int>(width), static_cast<int>(rows.size()), Square::empty);
    int men = 0;
    for (size_t r = 0; r < rows.size(); ++r) {
        const std::string& row = rows[r];
        const std::string where = "row " + std::to_string(r + 1);
        if (row.back() != '#') {
            fault = where + ": does not end in a wall";
            return false;
        }
        bool wall_met = false;
        for (size_t c = 0; c < row.size(); ++c) {
            const char ch = row[c];
            const auto square =
                static_cast<size_t>(puzzle.index(static_cast<int>(c), static_cast<int>(r)));
            if (ch == '#') {
                wall_met = true;
                puzzle.squares[square] = Square::wall;
                continue;
            }
            if (ch != ' ' && ch != '$' && ch != '.' && ch != '*' && ch != '@' && ch != '+') {
                fault = where + ": bad character at column " + std::to_string(c + 1);
                return false;
            }
            if (!wall_met) {
                if (ch != ' ') {
                    fault = where + ": something stands before the first wall";
                    return false;
                }
                continue;
            }
            puzzle.squares[square] = Square::floor;
            puzzle.boxes[square] = ch == '$' || ch == '*';
            puzzle.targets[square] = ch == '.' || ch == '*' || ch == '+';
            if (ch == '@' || ch == '+') {
                ++men;
                puzzle.man = static_cast<int>(square);
            }
        }
    }
    if (men != 1) {
        fault = "there must be exactly one man";
        return false;
    }
    if (puzzle.count_boxes() == 0) {
        fault = "has no boxes";
        return false;
    }
    if (puzzle.count_boxes() != puzzle.count_targets()) {
        fault = "number of targets does not match number of boxes";
        return false;
    }
    if (!closed_in(puzzle)) {
        fault = "the man's floor is not closed in by walls";
        return false;
    }
    return true;
}

namespace {

char square_character(const Puzzle& puzzle, size_t square) {
    switch (puzzle.squares[square]) {
        case Square::wall:
            return '#';
        case Square::empty:
            return ' ';
        case Square::floor:
            break;
    }
    const bool target = puzzle.targets[square];
    if (puzzle.boxes[square]) return target ? '*' : '$';
    if (static_cast<int>(square) == puzzle.man) return target ? '+' : '@';
    return target ? '.' : ' ';
}

}  // namespace

std::vector<std::string> format_rows(const Puzzle& puzzle) {
    std::vector<std::string> rows;
    for (int r = 0; r < puzzle.height; ++r) {
        std::string row;
        for (int c = 0; c < puzzle.width; ++c) {
            row += square_character(puzzle, static_cast<size_t>(puzzle.index(c, r)));
        }
        const size_t last_wall = row.find_last_of('#');
        row.erase(last_wall == std::string::npos ? 0 : last_wall + 1);
        rows.push_back(row);
    }
    return rows;
}

void write_level(std::ostream& out, int number, const std::string& title, const Puzzle& puzzle) {
    out << "; " << number << '\n';
    out << (title.empty() || title[0] != '\'' ? "'" : "") << title << '\n';
    for (const auto& row : format_rows(puzzle)) out << row << '\n';
    out << '\n';
}
