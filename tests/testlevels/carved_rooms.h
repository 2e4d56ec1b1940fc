#pragma once

#include <cstdint>
#include <random>
#include <vector>

// A board of rooms carved out of solid wall, as expert levels are drawn: each room a rectangle
// with bulges in its walls and a few single pillars, a wall or more from every other room, and
// the rooms joined into one by passages a single square wide.
struct CarvedRooms {
    std::vector<uint8_t> wall;  // column + row * width
    // The room each square belongs to, counted from 0 in the order asked for; -1 on walls and
    // passages.
    std::vector<int> room;
};

// Carves one room per entry of `sizes` (its floor, in squares) on a board of the given size,
// the outer ring left wall. False when some room finds no place.
bool carve_rooms(std::mt19937& random, int32_t width, int32_t height, const std::vector<int>& sizes,
                 CarvedRooms& carved);
