#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The plain-text level format most published box-pushing collections are written in, read
// into rows the game's own format can hold. Board characters: '#' wall, '@' man, '+' man on
// target, '$' box, '*' box on target, '.' target, and space, '-' or '_' as floor. Rows may be
// run-length encoded ("3#2-$#") and several rows may share a line, split by '|'. Metadata keys
// ("Title:", "Author:", "Collection:") are matched in any case, with blanks around the colon;
// "Comment:" ... "Comment-End:" blocks and lines beginning with "::" are comments.

// One level as its author wrote it: rows expanded (floor written as spaces, nothing after the
// last wall) and the title byte for byte.
struct CommonLevel {
    std::vector<std::string> rows;
    std::string title;
    int32_t first_line = 0;  // the file's lines holding the map, counted from 1
    int32_t last_line = 0;
    // Why the map cannot become a level (too wide, say); its rows are then left empty.
    std::string fault;
};

// A collection file: its own heading (title, author, notes before the first level) and its
// levels in file order.
struct CommonCollection {
    std::vector<std::string> heading;
    // The collection's name in the file's own words: its "Collection:" key, else a "Title:" key
    // of its heading; empty when it has neither.
    std::string name;
    std::vector<CommonLevel> levels;
};

// Reads a whole file. CR LF and lone CR end lines as LF does. False, with the reason naming the
// line in `error`, only when the file is too big to read safely.
bool read_common_format(std::string_view text, CommonCollection& collection, std::string& error);

// The file's lines with every line end (LF, CR LF, lone CR) taken off; a last line without a
// line end counts, an empty text after the last line end does not.
std::vector<std::string_view> split_lines(std::string_view text);

// A map line that holds one row and no counts, as a row: every kind of floor written as a space,
// nothing after the last wall.
std::string plain_map_row(std::string_view line);

// A label line made into a title: "; 12" gives "12", "'Name" gives "Name", "Level 7" stays.
std::string title_of_label(std::string_view label);
