#pragma once

#include <string_view>
#include <vector>

#include "level/level.h"

// How much of a level's floor its solution puts to use: what tells a tight level, where every
// square plays a part, from a hall with a few boxes in it.
struct FloorMeasures {
    // Squares the man can reach from his start with every box taken away.
    int floor = 0;
    // Boxes the solution pushes. A box that starts on a target and is never pushed is scenery:
    // it counts neither as a box nor as using its square.
    int boxes = 0;
    // Floor squares that neither the man nor a pushed box ever stands on along the solution.
    int idle = 0;
    // The idle squares themselves, by square (column + row * width): a tool may wall them in.
    std::vector<bool> idle_at;

    double floor_per_box() const { return boxes > 0 ? static_cast<double>(floor) / boxes : 0.0; }
};

// The floor of the level, by square (column + row * width): the squares the man can reach from
// his start with every box taken away.
std::vector<bool> floor_of(const TLevel& level);

// Plays the move letters (l r u d a step, L R U D a push) from the level's start and counts
// its floor along them. False, with nothing counted, when a letter is not a move the level
// takes or the letters leave it unsolved.
bool measure_floor(const TLevel& level, std::string_view letters, FloorMeasures& measures);
