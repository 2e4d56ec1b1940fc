#pragma once

#include "puzzle.h"

// The board cut down to what the player should see: the floor the man can reach, the walls
// touching it (sideways or corner to corner), and nothing else, cropped to those walls.
// Walls are kept wherever removing them would leave a hole in the middle of the board,
// since the game would show such a hole as floor.
Puzzle trimmed(const Puzzle& puzzle);
