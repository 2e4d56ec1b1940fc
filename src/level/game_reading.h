#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

// Where the game's importer finds one level among the lines of a file, as indexes into them.
struct GameReadLevel {
    size_t header = 0;           // the line beginning with ';'
    bool title_missing = false;  // taken as a header without its title line (see below)
    bool has_title_line = false;
    size_t map_first = 0, map_end = 0;  // the map's lines; none for a header at the file's end
};

// Follows the importer's reading of `lines`: a header, the line after it as the title line,
// empty lines, then map rows up to an empty line. Where `map_starts` marks the line right after
// a header, that header is taken as one without its title line, as the converter repairs it;
// with no marks the reading is exactly the game's.
std::vector<GameReadLevel> read_as_game(const std::vector<std::string_view>& lines,
                                        const std::vector<bool>& map_starts = {});
