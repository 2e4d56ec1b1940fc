#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "puzzle.h"

// One level as written in a collection file.
struct LevelText {
    int header_line = 0;  // line number of its ";" header, from 1
    std::string title;    // the whole title line, apostrophe included
    std::vector<std::string> rows;
};

struct CollectionText {
    std::vector<LevelText> levels;
    std::vector<std::string> faults;  // layout faults of the file itself, one line each
};

// Reads a collection the way the game does (header, title line, map, closing empty line),
// and also notes what the game would silently take in a way we never mean: a missing title,
// a carriage return, a level cut off by the end of the file.
CollectionText read_collection(std::istream& in);

// Builds a board from map rows. False, with the reason, when a row breaks the game's rules
// or the level is not one the game can play: not exactly one man, targets and boxes unequal,
// no box, smaller than 3 x 3, or floor that leaks out past the walls.
bool parse_rows(const std::vector<std::string>& rows, Puzzle& puzzle, std::string& fault);

// Map rows of a board: spaces before a row's first wall, nothing after its last one.
std::vector<std::string> format_rows(const Puzzle& puzzle);

// Writes one level: header, title (an apostrophe is added when missing), rows, empty line.
void write_level(std::ostream& out, int number, const std::string& title, const Puzzle& puzzle);
