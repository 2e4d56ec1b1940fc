#pragma once

#include <string>
#include <vector>

// What turning a level author's file into one the game reads had to change.
struct ConvertChanges {
    int crlf_line_ends = 0;               // carriage return + line feed, now a line feed
    int lone_cr_line_ends = 0;            // carriage return alone, now a line feed
    int dashes = 0;                       // '-' in map rows, now a space (floor)
    int underscores = 0;                  // '_' in map rows, now a space (floor)
    bool added_final_line_feed = false;   // the last map row ran into the end of the file
    bool added_final_empty_line = false;  // the last map was not closed by an empty line

    // One line each, for the author; empty when nothing changed.
    std::vector<std::string> describe() const;
};

// Rewrites the text of a level file in the game's own format. Map rows are found the way the
// game's import finds them (after a header line and its title line), so that dashes and
// underscores in titles and comments stay as they are. Nothing else changes.
std::string convert_level_text(const std::string& text, ConvertChanges& changes);
