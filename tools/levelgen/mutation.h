#pragma once

#include <random>

#include "puzzle.h"

// A level being climbed is its room and its targets; the boxes and the man are found again by
// pulling back from the solved position after every change.
struct TargetRange {
    int fewest = 1;
    int most = 1;
};

// One random change to the room: a wall square becomes floor, a floor square becomes wall, or
// both (a wall moves); a target moves to another floor square; or a box-and-target is added
// or taken away, within `targets`. The outer ring of the board stays wall, the floor stays in
// one piece, a target always lies on floor. False, with the room as it was, when the change
// drawn cannot be made; the caller draws again.
bool mutate(std::mt19937& random, const TargetRange& targets, Puzzle& room);

// One floor square without a target at the room's edge (as many walls beside it as any such
// square has) becomes wall, unless that would split the floor: how a carved room is cut down
// to the floor its boxes should have, keeping it compact. False, with the room as it was, when
// the square drawn would split it.
bool wall_in_edge(std::mt19937& random, Puzzle& room);

// Whether every floor square of the room joins every other through floor.
bool floor_in_one_piece(const Puzzle& room);
