#pragma once

#include <string>
#include <vector>

#include "level/collection.h"
#include "level/level.h"

using Picture = std::vector<std::string>;

// Boards as text, one string per row: '-' outside, ' ' floor, '.' target, '$' box, '*' box on
// a target, '#' wall, '!' no cell, '@' / '+' the man on floor / on a target. The man's square
// is both his start and where he stands.
TPlayLevel board_from(const Picture& rows);

// The board as text in the same pieces, the man drawn at the given square ('?' for a piece
// the legend has no letter for).
Picture picture_of(const TLevel& level, int man_column, int man_row);
Picture picture_of(const TLevel& level);
Picture picture_of(const TPlayLevel& level);

// A collection file's text read by the game's own importer, as a level file would be.
struct Imported {
    TLevelCollection collection;
    int result = 0;
    std::string messages;  // everything the import wrote on standard error

    const TLevelCollection* operator->() const { return &collection; }
};
Imported import_text(const std::string& text);
