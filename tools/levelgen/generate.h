#pragma once

#include <cstddef>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "arena.h"
#include "level/board_room.h"
#include "puzzle.h"
#include "room.h"
#include "solver/solver.h"

struct GenerateOptions {
    RoomShape shape;
    int boxes = 3;
    int min_pushes = 8;
    int max_pushes = 1000;
    size_t state_limit = 1000000;  // positions the backward search may look at
    SolveLimits proof_limits;      // for the solver's proof of a kept level
    int target_tries = 6;          // target layouts tried in each carved room
    int max_idle = 3;              // floor squares the solution has no use for
};

struct Generated {
    Puzzle puzzle;   // trimmed, ready to write
    int pushes = 0;  // the fewest pushes that solve it
    int detour = 0;  // pushes beyond the sum of each box's shortest way home
    size_t states = 0;
};

// Sum over the boxes of the fewest pushes that bring each one alone onto its nearest target:
// how far the level would be if the boxes never got in each other's way.
int straight_line_pushes(const Puzzle& puzzle);

// The idle squares (level/floor_measures.h) of the solver's solution with the fewest pushes:
// room the level could do without. Every square of the board when the solver proves none.
int idle_squares(const Puzzle& puzzle, const SolveLimits& limits);

// The idle squares of `path` (move letters from the puzzle's start); every square of the board
// when it does not solve the puzzle.
int idle_squares_along(const Puzzle& puzzle, const std::string& path);

// The room with the boxes and man of a search position (see search.h).
Puzzle placed(const Puzzle& room, const Arena& arena, const StateKey& key);

// A carved room, read as a board, with its floor squares listed.
struct CarvedRoom {
    Puzzle room;
    BoardRoom board;
    std::vector<int> floor;
};
// Carves a room for one try; nothing when it fails or its floor is too small for the boxes.
std::optional<CarvedRoom> carve_floor(std::mt19937& random, const GenerateOptions& options);

// One try: carve a room, put boxes on random targets and pull them back as far as they go,
// keeping the position that needs the most pushes. Among the farthest positions the one
// with the longest detour wins. Nothing when the room or the result is dull: too few
// pushes, a box that never leaves its target, or too much idle floor.
std::optional<Generated> generate_level(std::mt19937& random, const GenerateOptions& options);
