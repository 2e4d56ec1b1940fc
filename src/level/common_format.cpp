#include "level/common_format.h"

#include <algorithm>
#include <cctype>

#include "level/level.h"
#include "level/map_chars.h"

namespace {

// All maps of one file together may hold no more squares than this: a few bytes of counts
// ("999#") expand into a thousand squares, so without a cap a small hostile file could ask for
// gigabytes. Far above any real collection (1,600 levels of 50 x 50 are 4 million).
constexpr size_t max_file_squares = size_t{64} * 1000 * 1000;

bool is_piece(char c) {
    return is_map_item(c);
}

constexpr bool is_floor(char c) {
    return c == map_char::floor || common_floor_chars.find(c) != std::string_view::npos;
}

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// What may stand in a map line: board characters, run-length counts and the row separator.
// Looked up, since every byte of a file is asked.
struct MapBytes {
    bool allowed[256];
    constexpr MapBytes() : allowed() {
        for (int c = 0; c < 256; ++c)
            allowed[c] = map_piece(static_cast<char>(c)).cell != Cell::no_cell ||
                         is_floor(static_cast<char>(c)) || c == '|' || (c >= '0' && c <= '9');
    }
};
constexpr MapBytes map_bytes;

bool is_map_byte(char c) {
    return map_bytes.allowed[static_cast<unsigned char>(c)];
}

std::string_view trim_right(std::string_view line) {
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
    return line;
}

std::string_view trim(std::string_view line) {
    line = trim_right(line);
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    return line;
}

bool only_map_bytes(std::string_view line) {
    return !line.empty() &&
           std::all_of(line.begin(), line.end(), [](char c) { return is_map_byte(c); });
}

// A map begins with a line that holds a wall; a line without walls (a row with a gap at both
// ends, in a faulty level) may go on a map but not begin one, so that rules of dashes and
// stray dots between levels stay text.
bool begins_map(std::string_view line) {
    return only_map_bytes(line) && line.find(map_char::wall) != std::string_view::npos;
}

bool goes_on_map(std::string_view line) {
    return only_map_bytes(line) && std::any_of(line.begin(), line.end(), [](char c) {
               return c == map_char::wall || is_piece(c);
           });
}

std::string lower_case(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

// "Author: ...", "Title : ...", "title:": a key of letters, blanks and dashes, then a colon,
// in any case. `key` is the key in lower case, or empty for any.
bool is_metadata(std::string_view line, std::string_view key = {}) {
    line = trim(line);
    const size_t colon = line.find(':');
    if (colon == 0 || colon == std::string_view::npos) return false;
    const std::string_view name = trim_right(line.substr(0, colon));
    const bool word =
        std::isalpha(static_cast<unsigned char>(name[0])) &&
        std::all_of(name.begin(), name.end(), [](char c) {
            return std::isalpha(static_cast<unsigned char>(c)) || c == ' ' || c == '-' || c == '_';
        });
    if (!word) return false;
    std::string lower = lower_case(name);
    std::replace(lower.begin(), lower.end(), '_', '-');
    return key.empty() || lower == key;
}

// What stands after the colon of a metadata line.
std::string_view metadata_value(std::string_view line) {
    line = trim(line);
    return trim(line.substr(line.find(':') + 1));
}

// "::" begins a comment line: never a map, a label or a title.
bool is_comment_line(std::string_view line) {
    return trim(line).substr(0, 2) == "::";
}

// The label forms that name the level below them even across empty lines: "; 12",
// ";screen.12", "'Name" (the game's own title line), "Level 7", or a bare number.
bool is_label(std::string_view line) {
    line = trim(line);
    if (line.empty()) return false;
    if (line[0] == ';' || line[0] == '\'') return true;
    if (std::all_of(line.begin(), line.end(), is_digit)) return true;
    if (line.size() < 7 || lower_case(line.substr(0, 5)) != "level") return false;
    const std::string_view number = trim(line.substr(5));
    return (line[5] == ' ' || line[5] == '\t') && is_digit(number[0]);
}

// A "Title:" line after a level's map, before the next map, gives the level its title: the first
// one among lines [from, to) outside comments.
void take_title_line(CommonLevel& level, const std::vector<std::string_view>& lines,
                     const std::vector<bool>& in_comment, size_t from, size_t to) {
    for (size_t i = from; i < to; ++i) {
        if (in_comment[i] || !is_metadata(lines[i], "title")) continue;
        const std::string_view value = metadata_value(lines[i]);
        if (value.empty()) continue;
        level.title = std::string(value);
        return;
    }
}

// Marks the "::" lines and the lines of every "Comment:" ... "Comment-End:" block. A "Comment:"
// line with no end before the next "Comment:" is a one-line note.
std::vector<bool> comment_lines(const std::vector<std::string_view>& lines) {
    const size_t count = lines.size();
    std::vector<bool> in_comment(count, false);
    for (size_t i = 0; i < count; ++i) in_comment[i] = is_comment_line(lines[i]);
    std::vector<size_t> next_end(count + 1, count), next_start(count + 1, count);
    for (size_t i = count; i-- > 0;) {
        next_end[i] = is_metadata(lines[i], "comment-end") ? i : next_end[i + 1];
        next_start[i] = is_metadata(lines[i], "comment") ? i : next_start[i + 1];
    }
    for (size_t i = 0; i < count; ++i) {
        if (!is_metadata(lines[i], "comment")) continue;
        const size_t end = next_end[i + 1];
        if (end == count || next_start[i + 1] < end) continue;
        std::fill(in_comment.begin() + i, in_comment.begin() + end + 1, true);
        i = end;
    }
    return in_comment;
}

// Expands the map lines of one level into rows. Stops with `fault` set (and the rows cleared)
// at the first row that breaks the size limits or the counts.
void expand_map(const std::vector<std::string_view>& lines, size_t first, size_t end,
                CommonLevel& level) {
    const auto refuse = [&](const std::string& why) {
        level.fault = why;
        level.rows.clear();
    };
    for (size_t i = first; i < end; ++i) {
        const std::string_view line = trim_right(lines[i]);
        // Most rows are plain: one row, no counts. They are copied whole.
        if (line.size() <= static_cast<size_t>(max_board_side) &&
            level.rows.size() < static_cast<size_t>(max_board_side) &&
            std::none_of(line.begin(), line.end(),
                         [](char c) { return c == '|' || is_digit(c); })) {
            level.rows.push_back(plain_map_row(line));
            continue;
        }
        std::string row;
        int32_t count = -1;  // the run-length count read so far, -1 for none
        for (size_t at = 0; at <= line.size(); ++at) {
            const char c = at < line.size() ? line[at] : '|';
            if (is_digit(c)) {
                // Capped just past the limit, so that a huge count is refused, not expanded.
                count = std::min((count < 0 ? 0 : count) * 10 + (c - '0'), max_board_side + 1);
                continue;
            }
            if (c == '|') {
                if (count >= 0) return refuse("a count is not followed by a board character");
                // A '|' closing the line ends the last row; it starts no empty one.
                if (at == line.size() && row.empty() && at > 0 && line[at - 1] == '|') continue;
                const size_t last_wall = row.find_last_not_of(map_char::floor);
                row.erase(last_wall == std::string::npos ? 0 : last_wall + 1);
                if (static_cast<int32_t>(level.rows.size()) == max_board_side) {
                    return refuse("the map is taller than " + std::to_string(max_board_side) +
                                  " rows");
                }
                level.rows.push_back(std::move(row));
                row.clear();
                continue;
            }
            const int32_t repeat = count < 0 ? 1 : count;
            count = -1;
            if (static_cast<int32_t>(row.size()) + repeat > max_board_side) {
                return refuse("a row is wider than " + std::to_string(max_board_side) + " squares");
            }
            row.append(static_cast<size_t>(repeat), is_floor(c) ? map_char::floor : c);
        }
    }
}

// The level whose map starts at line `map_start` is named by the last label before it, across
// empty lines; any line sitting directly on the map's first row names it too. Returns the first
// line of the label (a header ';' line above a "'Title" line belongs to it), or `map_start`.
size_t find_label(const std::vector<std::string_view>& lines, const std::vector<bool>& in_comment,
                  size_t gap_start, size_t map_start, std::string& title) {
    // "::" comments between a label and its map are passed over like empty lines.
    size_t at = map_start;
    while (at > gap_start && (trim(lines[at - 1]).empty() || is_comment_line(lines[at - 1]))) --at;
    if (at == gap_start || in_comment[at - 1]) return map_start;
    const std::string_view line = lines[at - 1];
    const bool on_map = at == map_start;
    if (is_metadata(line) || !(on_map || is_label(line))) return map_start;
    title = title_of_label(line);
    --at;
    if (trim(line)[0] == '\'' && at > gap_start && !in_comment[at - 1] &&
        trim(lines[at - 1]).substr(0, 1) == ";") {
        --at;
    }
    return at;
}

// The first "Collection:" key outside comments, else the heading's first "Title:" key.
std::string collection_name(const std::vector<std::string_view>& lines,
                            const std::vector<bool>& in_comment,
                            const std::vector<std::string>& heading) {
    for (size_t i = 0; i < lines.size(); ++i) {
        if (!in_comment[i] && is_metadata(lines[i], "collection") &&
            !metadata_value(lines[i]).empty())
            return std::string(metadata_value(lines[i]));
    }
    const std::vector<bool> heading_comments =
        comment_lines(std::vector<std::string_view>(heading.begin(), heading.end()));
    for (size_t i = 0; i < heading.size(); ++i) {
        if (!heading_comments[i] && is_metadata(heading[i], "title") &&
            !metadata_value(heading[i]).empty())
            return std::string(metadata_value(heading[i]));
    }
    return {};
}

}  // namespace

std::vector<std::string_view> split_lines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\n' && text[i] != '\r') continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

std::string plain_map_row(std::string_view line) {
    std::string row(trim_right(line));
    std::replace_if(row.begin(), row.end(), is_floor, map_char::floor);
    row.erase(std::min(row.size(), row.find_last_not_of(map_char::floor) + 1));
    return row;
}

std::string title_of_label(std::string_view label) {
    label = trim(label);
    if (!label.empty() && (label[0] == ';' || label[0] == '\'')) label = trim(label.substr(1));
    return std::string(label);
}

bool read_common_format(std::string_view text, CommonCollection& collection, std::string& error) {
    collection = CommonCollection();
    const std::vector<std::string_view> lines = split_lines(text);
    const std::vector<bool> in_comment = comment_lines(lines);
    size_t gap_start = 0;  // the first line after the previous map
    size_t squares = 0;
    for (size_t i = 0; i < lines.size();) {
        const std::string_view first = trim_right(lines[i]);
        if (in_comment[i] || !begins_map(first)) {
            ++i;
            continue;
        }
        size_t end = i + 1;
        while (end < lines.size() && !in_comment[end] && goes_on_map(trim_right(lines[end]))) ++end;
        // Walls alone, like a banner of '#' in a heading, make no level.
        const bool has_piece = std::any_of(
            lines.begin() + i, lines.begin() + end,
            [](std::string_view line) { return std::any_of(line.begin(), line.end(), is_piece); });
        if (!has_piece) {
            i = end;
            continue;
        }
        if (!collection.levels.empty())
            take_title_line(collection.levels.back(), lines, in_comment, gap_start, i);
        CommonLevel level;
        const size_t label_start = find_label(lines, in_comment, gap_start, i, level.title);
        if (collection.levels.empty()) {
            size_t from = 0, to = label_start;
            while (from < to && trim(lines[from]).empty()) ++from;
            while (to > from && trim(lines[to - 1]).empty()) --to;
            for (size_t h = from; h < to; ++h)
                collection.heading.emplace_back(trim_right(lines[h]));
        }
        level.first_line = static_cast<int32_t>(i + 1);
        level.last_line = static_cast<int32_t>(end);
        expand_map(lines, i, end, level);
        for (const std::string& row : level.rows) squares += row.size();
        if (squares > max_file_squares) {
            error = "line " + std::to_string(i + 1) + ": the maps up to here hold more than " +
                    std::to_string(max_file_squares) + " squares";
            return false;
        }
        collection.levels.push_back(std::move(level));
        gap_start = i = end;
    }
    if (!collection.levels.empty())
        take_title_line(collection.levels.back(), lines, in_comment, gap_start, lines.size());
    collection.name = collection_name(lines, in_comment, collection.heading);
    return true;
}
