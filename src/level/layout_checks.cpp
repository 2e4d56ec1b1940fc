#include "level/layout_checks.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <utility>

#include "level/directions.h"
#include "level/game_text.h"
#include "level/map_chars.h"

std::vector<std::string> file_layout_faults(std::string_view text) {
    // A line feed at the very end of the file closes the map as an empty line would.
    const bool ends_with_line_feed = !text.empty() && text.back() == '\n';
    std::vector<std::string_view> lines = game_lines(text);
    // The empty line after a last line feed is not a line of the file, nor a title line.
    if (ends_with_line_feed) lines.pop_back();
    const std::vector<GameTextLevel> levels = split_game_levels(lines);
    std::vector<bool> untitled(lines.size(), false);
    for (const GameTextLevel& level : levels) {
        const size_t title = level.header + 1;
        if (level.has_title_line && (lines[title].empty() || lines[title][0] != '\''))
            untitled[title] = true;
    }
    std::vector<std::string> faults;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string where = "line " + std::to_string(i + 1) + ": ";
        if (lines[i].find('\r') != std::string_view::npos)
            faults.push_back(where + "carriage return (the game reads line feeds only)");
        if (untitled[i])
            faults.push_back(where +
                             "a title line beginning with an apostrophe must follow the header");
    }
    if (!levels.empty() && (levels.back().map_first == levels.back().map_end ||
                            (levels.back().map_end == lines.size() && !ends_with_line_feed)))
        faults.push_back("the last level is not closed by an empty line");
    return faults;
}

namespace {

// The squares of a board, marked by a breadth-first walk.
class Walk {
  public:
    explicit Walk(const TLevel& level)
        : level(level),
          width(level.get_width()),
          marked(static_cast<size_t>(width) * static_cast<size_t>(level.get_height()), 0) {}

    bool on_board(int32_t column, int32_t row) const {
        return column >= 0 && row >= 0 && column < width && row < level.get_height();
    }
    bool is_marked(int32_t column, int32_t row) const {
        return on_board(column, row) && marked[index(column, row)];
    }
    // Marks every square joined to (column, row) through squares that `passable` lets in.
    template <typename Passable>
    void from(int32_t column, int32_t row, const Passable& passable) {
        mark(column, row);
        while (!pending.empty()) {
            const auto [c, r] = pending.back();
            pending.pop_back();
            for (int d = 0; d < direction_count; ++d) {
                const int32_t next_column = c + step_columns[d], next_row = r + step_rows[d];
                if (on_board(next_column, next_row) && !is_marked(next_column, next_row) &&
                    passable(level.get_cell(next_column, next_row)))
                    mark(next_column, next_row);
            }
        }
    }
    // Marks every square a lone box can be pushed to from the marked ones, the man standing
    // behind it on a square of `man_area`.
    void pushes(const Walk& man_area) {
        for (int32_t r = 0; r < level.get_height(); ++r) {
            for (int32_t c = 0; c < width; ++c) {
                if (is_marked(c, r)) pending.emplace_back(c, r);
            }
        }
        while (!pending.empty()) {
            const auto [c, r] = pending.back();
            pending.pop_back();
            for (int d = 0; d < direction_count; ++d) {
                const int32_t to_column = c + step_columns[d], to_row = r + step_rows[d];
                if (man_area.is_marked(c - step_columns[d], r - step_rows[d]) &&
                    man_area.is_marked(to_column, to_row) && !is_marked(to_column, to_row))
                    mark(to_column, to_row);
            }
        }
    }

  private:
    size_t index(int32_t column, int32_t row) const {
        return static_cast<size_t>(column) + static_cast<size_t>(row) * width;
    }
    void mark(int32_t column, int32_t row) {
        marked[index(column, row)] = 1;
        pending.emplace_back(column, row);
    }

    const TLevel& level;
    int32_t width;
    std::vector<uint8_t> marked;
    std::vector<std::pair<int32_t, int32_t>> pending;
};

std::string at(int32_t column, int32_t row) {
    return " (row " + std::to_string(row + 1) + ", column " + std::to_string(column + 1) + ")";
}

}  // namespace

std::string level_layout_fault(const TLevel& level) {
    const int32_t man_column = level.get_start_column(), man_row = level.get_start_row();
    Walk man_area(level);
    if (!man_area.on_board(man_column, man_row)) return "the man starts off the board";
    // The game turned the man's floor into outside: it runs out to the edge of the board.
    if (level.get_cell(man_column, man_row) == Cell::outside) {
        Walk open(level);
        open.from(man_column, man_row, [](Cell cell) { return cell != Cell::wall; });
        for (int32_t r = 0; r < level.get_height(); ++r) {
            for (int32_t c = 0; c < level.get_width(); ++c) {
                const Cell cell = level.get_cell(c, r);
                if (open.is_marked(c, r) && (cell == Cell::box || cell == Cell::target))
                    return "floor joined to the outside through a gap";
            }
        }
        return "the man stands outside the walls";
    }
    // Where the man may ever walk, boxes being movable.
    man_area.from(man_column, man_row, [](Cell cell) {
        return cell == Cell::floor || cell == Cell::target || holds_box(cell);
    });
    Walk box_paths(level);
    bool reaches_a_box = false;
    for (int32_t r = 0; r < level.get_height(); ++r) {
        for (int32_t c = 0; c < level.get_width(); ++c) {
            if (!man_area.is_marked(c, r)) continue;
            for (int d = 0; d < direction_count; ++d) {
                const int32_t next_column = c + step_columns[d], next_row = r + step_rows[d];
                const Cell next = level.get_cell(next_column, next_row);
                if (next == Cell::outside || next == Cell::no_cell)
                    return "floor joined to the outside through a gap" + at(c, r);
            }
            if (holds_box(level.get_cell(c, r))) {
                reaches_a_box = true;
                box_paths.from(c, r, [](Cell) { return false; });
            }
        }
    }
    if (!reaches_a_box) return "the man is walled off from every box";
    box_paths.pushes(man_area);
    for (int32_t r = 0; r < level.get_height(); ++r) {
        for (int32_t c = 0; c < level.get_width(); ++c) {
            const Cell cell = level.get_cell(c, r);
            if (cell == Cell::box && !man_area.is_marked(c, r))
                return "a box off its target that the man can never reach" + at(c, r);
            if (cell == Cell::target && !box_paths.is_marked(c, r))
                return "a target that no box can ever reach" + at(c, r);
        }
    }
    return {};
}
