#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// What turning a collection file into the game's format did.
struct ConvertReport {
    // The file was in the game's format already: only what the game would misread changed.
    bool game_format = false;
    int32_t levels_read = 0;
    int32_t levels_written = 0;
    std::string collection_name;        // the file's own name for its collection, or empty
    std::vector<std::string> changes;   // one line each, for the author
    std::vector<std::string> left_out;  // "level N (line L): reason", one per level not written
    std::string error;                  // the file could not be read at all; nothing came out
};

// Rewrites a collection file, in the common level format or in the game's own, as a file the
// game reads. A file is in the game's format when the game's reading of it, once every header
// directly followed by a map row is given a title line, finds the very maps and titles the
// common reader finds. Such a file keeps every byte but what the game would misread: line ends,
// the missing title lines, '-' and '_' and trailing blanks in map rows, levels the game would
// refuse, the empty line closing its last map. Any other file goes through the common format's
// reader and the game format's writer.
std::string convert_level_text(std::string_view text, ConvertReport& report);
