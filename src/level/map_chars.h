#pragma once

#include <string_view>

#include "level/cell.h"

// The characters a map is written in: in the game's level files, in the common level format
// and wherever a tool or a test draws a board as text. The one table of them.
namespace map_char {
constexpr char wall = '#';
constexpr char floor = ' ';
constexpr char target = '.';
constexpr char box = '$';
constexpr char box_on_target = '*';
constexpr char man = '@';
constexpr char man_on_target = '+';
}  // namespace map_char

// What the common level format also writes for floor, besides a space.
constexpr std::string_view common_floor_chars = "-_";

// What one map character stands for: the cell (what lies under the man for '@' and '+') and
// whether the man stands there. Cell::no_cell for a character that is no part of a map.
struct MapPiece {
    Cell cell;
    bool man;
};

constexpr MapPiece map_piece(char c) {
    switch (c) {
        case map_char::wall:
            return {Cell::wall, false};
        case map_char::floor:
            return {Cell::floor, false};
        case map_char::target:
            return {Cell::target, false};
        case map_char::box:
            return {Cell::box, false};
        case map_char::box_on_target:
            return {Cell::box_on_target, false};
        case map_char::man:
            return {Cell::floor, true};
        case map_char::man_on_target:
            return {Cell::target, true};
        default:
            return {Cell::no_cell, false};
    }
}

// A piece that is neither wall nor floor: a box, a target or the man.
constexpr bool is_map_item(char c) {
    return c != map_char::wall && c != map_char::floor && map_piece(c).cell != Cell::no_cell;
}

// The character of a cell with or without the man on it; outside is written as floor. '\0'
// for what a map cannot hold: no cell, a drawing-only code, the man on a wall or a box.
constexpr char map_char_of(Cell cell, bool man = false) {
    switch (cell) {
        case Cell::outside:
        case Cell::floor:
            return man ? map_char::man : map_char::floor;
        case Cell::target:
            return man ? map_char::man_on_target : map_char::target;
        case Cell::box:
            return man ? '\0' : map_char::box;
        case Cell::box_on_target:
            return man ? '\0' : map_char::box_on_target;
        case Cell::wall:
            return man ? '\0' : map_char::wall;
        default:
            return '\0';
    }
}

constexpr bool holds_box(Cell cell) {
    return cell == Cell::box || cell == Cell::box_on_target;
}
constexpr bool holds_target(Cell cell) {
    return cell == Cell::target || cell == Cell::box_on_target;
}
