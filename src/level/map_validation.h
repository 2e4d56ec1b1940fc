#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "level/level.h"
#include "outcome/outcome.h"

// What makes the game refuse a level. The words are the importer's, which the game prints;
// every other part of Pushwell that refuses a map says it in the same words.
struct MapFault {
    enum Kind { too_large, too_small, bad_line, men, boxes_and_targets, no_boxes, man_outside };
    Kind kind;
    int32_t line = 0;  // bad_line: the map's line, counted from 1

    std::string words() const;
};

// Builds the level's board from the rows of its map (the man is kept apart, as his start) and
// returns what the game finds wrong with it, in the order the importer reports it. A map larger
// than max_board_side or smaller than 3 x 3 gets no board. A bad character is left off the board
// as Cell::no_cell. `width` and `height` are the map's size; only its first max_board_side rows
// need to be given. `row_cells` is room for one row, kept between calls.
std::vector<MapFault> read_map(const std::vector<std::string_view>& rows, size_t width,
                               size_t height, TLevel& level, std::vector<Cell>& row_cells);

// The same for rows held one string each, as the converter holds them. An empty row ends a
// map where the game reads one, so it is a bad line here.
std::vector<MapFault> read_map(const std::vector<std::string>& rows, TLevel& level);

// What the game would find wrong with what a level built already (by a tool, or imported)
// holds: no board, too large, no man on it, boxes and targets. Fails with the first such fault.
// Where the man stands is left to the layout checks: a man outside the walls can still be
// searched, the game just never lets him play there.
Outcome<MapFault::Kind> check_built_level(const TLevel& level);
