#pragma once

#include <cstdint>

#include "level/level.h"

// How crowded and how divided a level is, as the dense benchmark set is described.
struct LevelMeasures {
    int boxes = 0;
    int boxes_on_targets = 0;
    // Squares the man reaches from his start with every box taken away.
    int floor = 0;
    // Stretches of room floor, joined side to side: a room square is one covered by some 2 x 2
    // block of floor, so one-wide passages between rooms belong to none.
    int rooms = 0;
    // Rooms holding a target: targets in passages count for none.
    int target_rooms = 0;
    // Steps over the floor from each box to the nearest target, added up: a floor under the
    // pushes of any solution, since every box must at least get to some target.
    int target_steps = 0;
};

LevelMeasures measure_level(const TLevel& level);
