#pragma once

#include "level/level.h"

// Whether a greedy player solves the level: again and again he takes the box that is fewest
// pushes from an empty target, with the other boxes where they stand, and pushes it there by
// the shortest way, never moving a box that is home. A level he solves asks for no planning.
// Every push is played through the game's rules.
bool greedy_player_solves(const TLevel& level);
