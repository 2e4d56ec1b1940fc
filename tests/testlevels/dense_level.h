#pragma once

#include <cstdint>

#include "level/level.h"

// A level of the dense benchmark set, drawn the way expert levels are: a board 10 to 20 squares
// a side holding 16 to 24 boxes (18 or more when strewn), with only 4 to 7 squares of floor for
// each, split into two rooms or more joined by narrow passages, its targets filling most of one
// room (`goal_room`) or strewn in groups that each fill most of a small room of their own, in two
// rooms or more, the boxes on the average four and a half steps or more from the nearest target.
// Solvable, being pulled back from the solved position. False when none of the seed's boards gives
// a level within those bounds; the caller takes the next seed.
bool make_dense_level(uint32_t seed, bool goal_room, TLevel& level);
