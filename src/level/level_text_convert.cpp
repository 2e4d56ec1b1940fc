#include "level/level_text_convert.h"

#include <algorithm>

#include "level/common_format.h"
#include "level/game_format_writer.h"
#include "level/game_text.h"

namespace {

// The game's reading finds the very maps and titles of the common reading: then the file is in
// the game's format, and its other lines are the author's to keep. A title the game would not
// show is fine only when it is the header's own label.
bool same_reading(const std::vector<std::string_view>& lines,
                  const std::vector<GameTextLevel>& game, const CommonCollection& common) {
    if (game.size() != common.levels.size()) return false;
    for (size_t k = 0; k < game.size(); ++k) {
        const GameTextLevel& g = game[k];
        const CommonLevel& c = common.levels[k];
        if (!c.fault.empty() || g.map_first + 1 != static_cast<size_t>(c.first_line) ||
            g.map_end != static_cast<size_t>(c.last_line) ||
            c.rows.size() != g.map_end - g.map_first)
            return false;
        for (size_t row = 0; row < c.rows.size(); ++row) {
            if (plain_map_row(lines[g.map_first + row]) != c.rows[row]) return false;
        }
        const std::string_view title_line = g.has_title_line ? lines[g.header + 1] : "";
        const bool titled = !title_line.empty() && title_line[0] == '\'';
        if (titled ? title_of_label(title_line) != c.title
                   : !c.title.empty() && c.title != title_of_label(lines[g.header]))
            return false;
    }
    return true;
}

void count_line_ends(std::string_view text, ConvertReport& report) {
    int crlf = 0, lone_cr = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') continue;
        if (i + 1 < text.size() && text[i + 1] == '\n') {
            ++crlf;
        } else {
            ++lone_cr;
        }
    }
    if (crlf > 0)
        report.changes.push_back("changed " + std::to_string(crlf) + " CR LF line ends to LF");
    if (lone_cr > 0)
        report.changes.push_back("changed " + std::to_string(lone_cr) + " lone CR line ends to LF");
}

std::string left_out_line(const CommonLevel& level, int32_t number, const std::string& reason) {
    return "level " + std::to_string(number) + " (line " + std::to_string(level.first_line) +
           "): " + reason;
}

// Copies the lines as they are, adding the missing title lines, writing map rows as the game
// reads them, leaving out the levels the game would refuse and closing the last map.
std::string repair_game_format(std::string_view text, const std::vector<std::string_view>& lines,
                               const std::vector<GameTextLevel>& game,
                               const CommonCollection& common, ConvertReport& report) {
    std::vector<int32_t> level_at(lines.size(), -1);  // the level whose header is on the line
    for (size_t k = 0; k < game.size(); ++k) level_at[game[k].header] = static_cast<int32_t>(k);
    std::vector<const std::string*> row_at(lines.size(), nullptr);  // the map row on the line
    for (size_t k = 0; k < game.size(); ++k) {
        for (size_t line = game[k].map_first; line < game[k].map_end; ++line)
            row_at[line] = &common.levels[k].rows[line - game[k].map_first];
    }
    int rewritten_rows = 0;
    std::string repaired;
    repaired.reserve(text.size() + 64);
    const bool ends_with_line_end = !text.empty() && (text.back() == '\n' || text.back() == '\r');
    for (size_t i = 0; i < lines.size(); ++i) {
        const int32_t k = level_at[i];
        if (k >= 0) {
            const CommonLevel& level = common.levels[k];
            const std::string refusal = game_refusal(level.rows);
            if (!refusal.empty()) {
                report.left_out.push_back(left_out_line(level, k + 1, refusal));
                // Its header, title, map and the empty line closing the map go.
                i = game[k].map_end;
                continue;
            }
            ++report.levels_written;
        }
        if (row_at[i] != nullptr && *row_at[i] != lines[i]) {
            repaired += *row_at[i];
            ++rewritten_rows;
        } else {
            repaired.append(lines[i]);
        }
        if (i + 1 < lines.size() || ends_with_line_end) repaired += '\n';
        if (k >= 0 && game[k].title_missing) {
            repaired += (common.levels[k].title.empty() ? "" : "'" + common.levels[k].title) + "\n";
            report.changes.push_back("line " + std::to_string(i + 1) +
                                     ": added the title line the header lacked");
        }
    }
    if (rewritten_rows > 0) {
        report.changes.push_back("rewrote " + std::to_string(rewritten_rows) +
                                 " map rows: '-' and '_' as floor, nothing after the last wall");
    }
    // A map that runs into the end of the file, without a line feed, would be dropped.
    if (!ends_with_line_end && !game.empty() && game.back().map_end == lines.size() &&
        repaired.size() > 0 && repaired.back() != '\n') {
        repaired += "\n\n";
        report.changes.push_back("closed the last map with an empty line");
    }
    return repaired;
}

}  // namespace

std::string convert_level_text(std::string_view text, ConvertReport& report) {
    report = ConvertReport();
    CommonCollection common;
    if (!read_common_format(text, common, report.error)) return {};
    report.levels_read = static_cast<int32_t>(common.levels.size());
    report.collection_name = common.name;
    const std::vector<std::string_view> lines = split_lines(text);
    std::vector<bool> map_starts(lines.size(), false);
    for (const CommonLevel& level : common.levels) map_starts[level.first_line - 1] = true;
    std::vector<GameTextLevel> game = split_game_levels(lines, map_starts);
    // A header at the very end makes no level, in the game as in the common reading.
    if (!game.empty() && game.back().map_first == game.back().map_end) game.pop_back();
    count_line_ends(text, report);
    if (!common.levels.empty() && same_reading(lines, game, common)) {
        report.game_format = true;
        return repair_game_format(text, lines, game, common, report);
    }
    std::vector<LeftOutLevel> left_out;
    std::string written = write_game_format(common, left_out);
    for (const LeftOutLevel& level : left_out) {
        report.left_out.push_back(
            left_out_line(common.levels[level.number - 1], level.number, level.reason));
    }
    report.levels_written = report.levels_read - static_cast<int32_t>(left_out.size());
    report.changes.push_back("rewrote " + std::to_string(report.levels_read) +
                             " levels from the common level format");
    return written;
}
