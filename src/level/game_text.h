#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "level/level.h"
#include "level/map_validation.h"

// The lines of a text as the game reads them: split at line feeds only. The text after the
// last line feed is a line of its own, so a text ending in a line feed ends in an empty line.
std::vector<std::string_view> game_lines(std::string_view text);

// The game's reading of a file, fed one line at a time: a header, the line after it as the title
// line, empty lines, then map rows up to an empty line. Tells what each line is to the level
// around it, so that a file is read without holding all its lines.
class GameLineSplitter {
  public:
    enum class Role {
        outside,     // between levels: ignored
        header,      // begins a level
        title_line,  // the line after a header (a title when it begins with an apostrophe)
        blank,       // an empty line before the map
        map_row,
        map_end,  // the empty line that closes the map, and so the level
    };
    // `map_start` marks the line right after a header as the map's first row, not a title line:
    // the header is then taken as one without its title line, as the converter repairs it.
    Role feed(std::string_view line, bool map_start = false);
    // True while map rows are read: the end of the file closes the map as an empty line does.
    bool in_map() const { return state == State::in_map; }

  private:
    enum class State { between, after_header, before_map, in_map };
    State state = State::between;
};

// Where the game finds one level among the lines of a file, as indexes into them.
struct GameTextLevel {
    size_t header = 0;           // the line beginning with ';'
    bool title_missing = false;  // taken as a header without its title line (see below)
    bool has_title_line = false;
    size_t map_first = 0, map_end = 0;  // the map's lines; none for a header at the file's end
};

// Every level of `lines` as GameLineSplitter reads them. Where `map_starts` marks the line right
// after a header, that header is taken as one without its title line; with no marks the reading
// is exactly the game's.
std::vector<GameTextLevel> split_game_levels(const std::vector<std::string_view>& lines,
                                             const std::vector<bool>& map_starts = {});

// One fault the game finds in a level of a collection.
struct LevelDiagnostic {
    int32_t level;  // its number in the file, from 1
    MapFault fault;
};

// A collection file's text read as the game reads it: every level in file order (a faulty one
// too, never played; one too large or too small has no board) and what is wrong with them.
struct ParsedCollection {
    std::vector<std::unique_ptr<TLevel>> levels;
    std::vector<LevelDiagnostic> diagnostics;
};
ParsedCollection parse_collection(std::string_view text);
