#pragma once

#include <random>

#include "puzzle.h"

struct RoomShape {
    int blocks_wide = 3;  // the room is stamped from 3 x 3 pieces
    int blocks_high = 3;
    int min_floor = 12;
    int max_floor = 40;
    // The block rows become lanes, walled off from each other but for a gap at alternate ends:
    // one long winding passage, so that boxes travel far in little floor.
    bool serpentine = false;
};

// Carves a random room: pieces from our own small set, each turned and mirrored at random,
// stamped side by side inside a wall. Only the largest joined stretch of floor is kept, and
// dead-end squares (walls on three sides) are filled in, since a box pushed there is lost and
// the man has no reason to go there. False when the room is too small, too big or has a
// great empty hall in it (at least 4 x 3 squares of open floor). A serpentine room is walled
// into lanes before any of that.
bool carve_room(std::mt19937& random, const RoomShape& shape, Puzzle& room);
