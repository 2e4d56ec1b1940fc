#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <string>

#include "level/solution_measures.h"
#include "mutation.h"
#include "puzzle.h"
#include "room.h"
#include "solver/solver.h"
#include "start_position.h"

struct ClimbOptions {
    RoomShape shape;          // the room is carved with floor for the boxes at the densities below
    TargetRange boxes{6, 6};  // boxes pushed
    // Floor squares for each box pushed, once the idle floor is walled in.
    double min_floor_per_box = 4.0;
    double max_floor_per_box = 7.0;
    int steps = 60;         // changes tried on each seed's level
    int pull_on_share = 3;  // one step in this many pulls on the start instead of changing the room
    int target_tries = 4;   // target layouts tried in the first room
    // Where the first targets go: strewn about the room; in clusters side by side, so that the
    // boxes must come home in order; or all together at one end of the room's floor, so that
    // the boxes come home from afar (for serpentine rooms).
    enum class Targets { strewn, clustered, end };
    Targets targets = Targets::strewn;
    PullLimits pulls;
    SolveLimits proof_limits{5.0, int64_t{512} * 1024 * 1024};
    // Positions past this count for nothing: a level that is only slow for our solver is not
    // one that is hard to play.
    int64_t positions_cap = 2000000;
    // What each push of the optimal solution counts for in the fitness: above one the climb
    // goes for long levels.
    double push_weight = 1.0;
    // A climbed level with fewer pushes is dropped at the end (the climb may pass through
    // shorter ones on its way).
    int min_pushes = 0;
    // What a power of ten of the proof's positions is worth in the fitness, against one push.
    double positions_weight = 10.0;
    // Above zero, the climb makes the hard end of the library: a level whose proof stops at
    // proof_limits.positions is judged on a solution the finding searches give (within a
    // share of those positions), and the level kept at the end must need at least this many
    // positions to prove, or hold out against the proof.
    int64_t least_positions = 0;
};

struct ClimbedLevel {
    Puzzle puzzle;         // walled in, trimmed and cropped: ready to write
    Puzzle start;          // the same level before walling in, in the room being climbed
    std::string solution;  // an optimal solution of `puzzle`, replayed through the game's rules
    SolutionMeasures measures;
    int boxes = 0;          // boxes the solution pushes
    int floor = 0;          // of the walled-in board
    int idle = 0;           // squares walled in
    int64_t positions = 0;  // the proof's
    bool proven = true;     // else `solution` was found and only its pushes' lower bound proven
    double fitness = 0;
    int steps_kept = 0;
};

// What the climb raises: pushes (each counting `push_weight`), box changes and pushing sessions
// of an optimal solution, and the positions its proof met (each power of ten counting as
// `positions_weight` pushes), up to the cap.
double climb_fitness(const SolutionMeasures& measures, int64_t positions, int64_t cap,
                     double push_weight = 1.0, double positions_weight = 10.0);

// The level a room with targets makes: the most promising start pulled back from the solved
// position that a greedy player cannot solve, proven optimal by the game's solver (or, for the
// hard end, solved where the proof runs out), walled in where its solution leaves floor idle.
// Nothing when no start is found or proven, or the
// walled-in level has floor per box outside the options, fewer box changes than boxes, or
// falls to the greedy player.
std::optional<ClimbedLevel> judge_room(const Puzzle& room, std::mt19937& random,
                                       const ClimbOptions& options);

// One seed's climb: carve a room with targets, then try `steps` random changes, keeping each
// that judges no worse: a change to the room (mutation.h), judged by judge_room, or more
// pulls on the start (start_position.h), proven as it is. The level is proven once more as walled
// in, and walled in again until its own optimal solution leaves nothing idle. Nothing when no first
// level could be made, or the level has fewer pushes than `min_pushes` or is proven in fewer
// positions than `least_positions`.
std::optional<ClimbedLevel> climb_level(std::mt19937& random, const ClimbOptions& options);
