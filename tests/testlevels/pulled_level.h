#pragma once

#include <cstdint>
#include <vector>

#include "level/level.h"

// Makes a solvable level: a random walled room with boxes placed on their targets, then pulled
// backwards by the man, so that pushing them the way they came solves it. The same seed gives
// the same level on every machine.
struct PulledLevelShape {
    int32_t width = 10;   // walls included
    int32_t height = 10;  // walls included
    int boxes = 4;
    int wall_percent = 15;  // of the inner squares, turned into walls where the room stays whole
    int pulls = 60;         // attempted pulls; some may find no box to pull
    int run = 1;            // pulls of the same box in a row, which carry boxes farther
    int min_reach_percent = 0;  // of the open floor the man keeps after each pull
    // The man starts where he has the most room to walk, not shut in among the boxes.
    bool roomiest_start = false;
    // Long one-wide corridors walled in on both sides, tried before the scattered walls.
    int corridors = 0;
    // When given, the board is instead carved out of solid wall as rooms of these many squares
    // of floor, joined by one-wide passages (testlevels/carved_rooms.h); wall_percent and
    // corridors are then unused, and a goal room lies in the first room.
    std::vector<int> room_floors;
    // Targets packed together as one room of targets around a random square, rather than
    // scattered over the floor.
    bool goal_room = false;
    // Scattered targets lie instead in groups of up to this many, each group within one room of
    // a carved board, the first group in the first room, the next in the next, so that boxes
    // are carried through passages from room to room; 0 leaves them scattered one by one.
    int target_group = 0;
    // Most boxes that may still stand on targets when the pulls are done; more and the seed
    // gives no level.
    int max_on_target_percent = 100;
    // Once the pulls are done, boxes left on a target are taken away with the targets they came
    // from, so that fewer boxes than asked for may be left.
    bool drop_placed_boxes = false;
    // The level starts from the position, of all those the pulls passed through, with the most
    // boxes off targets and, among those, the boxes farthest from where they began, rather
    // than from the last.
    bool keep_farthest = false;
    // Percent of the pulls that, where some can, carry the box farther from its target in steps
    // over the floor, rather than any way at all: boxes are taken across rooms instead of
    // wandering round their targets. The farthest position is then the one whose boxes are
    // the most steps from their targets in all.
    int pull_away_percent = 0;
};

// False when this seed gave a level already solved or a room too small for the boxes; the
// caller takes the next seed.
bool make_pulled_level(uint32_t seed, const PulledLevelShape& shape, TLevel& level);
