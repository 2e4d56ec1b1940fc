#include "testlevels/dense_level.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "random_pick.h"
#include "testlevels/level_measures.h"
#include "testlevels/pulled_level.h"

namespace {

// The shape a seed asks for, drawn from its own stream so that it does not echo the level's.
PulledLevelShape dense_shape(uint32_t seed, bool goal_room) {
    std::mt19937 random(seed * 2654435761u + 1);
    PulledLevelShape shape;
    // Boxes left on their targets by the pulls are taken away, so more are placed, and on less
    // floor each, than the level ends with.
    shape.boxes = 20 + pick(random, 13);
    const int floor = shape.boxes * ((goal_room ? 40 : 35) + pick(random, 11)) / 10;
    const int rooms = 3 + pick(random, 2);
    // Room for the rooms to wander, and for the walls that keep them apart.
    const double inner = floor * (17 + pick(random, 6)) / 10.0;
    const double aspect = 0.8 + pick(random, 5) / 10.0;
    const int32_t wide = std::clamp(static_cast<int32_t>(std::sqrt(inner) * aspect), 8, 18);
    const int32_t high = std::clamp(static_cast<int32_t>(inner / wide), 8, 18);
    shape.width = wide + 2;
    shape.height = high + 2;
    shape.goal_room = goal_room;

    // Each passage takes a few squares of the floor.
    const int room_floor = floor - 2 * (rooms - 1);
    if (shape.goal_room) {
        // The rest is shared out unevenly; the targets fill most of the room they are packed
        // in, as in expert levels: the boxes pulled out of it are few, so many boards are
        // tried for each seed.
        std::vector<int> weights;
        int total = 0;
        for (int room = 0; room < rooms; ++room) total += weights.emplace_back(2 + pick(random, 3));
        for (int room = 0; room < rooms; ++room) {
            shape.room_floors.push_back(std::max(12, room_floor * weights[room] / total));
        }
        shape.room_floors[0] = shape.boxes * 3 / 2;
    } else {
        // Targets in two or three groups, each filling two thirds of a small room of its own:
        // expert levels have several goal areas, each packed in an order of its own, and
        // looser rooms proved hardly harder than targets strewn anywhere. The boxes are pulled
        // out into the one or two rooms left, crossing passages, and away from their targets,
        // so that few are left a push or two from home.
        const int store_rooms = 1 + pick(random, rooms - 2);
        const int goal_rooms = rooms - store_rooms;
        shape.target_group = (shape.boxes + goal_rooms - 1) / goal_rooms;
        const int goal_floor = shape.target_group * 3 / 2;
        const int store_floor = (room_floor - goal_rooms * goal_floor) / store_rooms;
        shape.room_floors.assign(goal_rooms, goal_floor);
        shape.room_floors.insert(shape.room_floors.end(), store_rooms, std::max(12, store_floor));
        shape.pull_away_percent = 100;
    }
    shape.pulls = 10000;
    shape.run = 16;
    shape.min_reach_percent = 25;
    shape.roomiest_start = true;
    shape.keep_farthest = true;
    shape.drop_placed_boxes = true;
    return shape;
}

constexpr uint32_t boards_per_seed = 16;

// One board of the seed's: false when it breaks the dense set's shape.
bool make_board(uint32_t seed, bool goal_room, TLevel& level) {
    const PulledLevelShape shape = dense_shape(seed, goal_room);
    if (!make_pulled_level(seed, shape, level)) return false;
    const LevelMeasures measures = measure_level(level);
    // A box left on its target may never be pushed, so it is not counted among the boxes.
    const int pushed = measures.boxes - measures.boxes_on_targets;
    // Strewn targets lie in several rooms, so the nearest is seldom far: boxes must still be
    // four and a half steps from one on the average, or the level is mostly short pushes home.
    if (!goal_room && measures.target_steps * 10 < 45 * measures.boxes) return false;
    // Boxes left home are taken away with their targets, which may empty a goal room.
    if (!goal_room && measures.target_rooms < 2) return false;
    // Strewn levels ask for more boxes: those with few proved the easy ones.
    return pushed >= (goal_room ? 16 : 18) && measures.boxes <= 24 &&
           measures.floor >= 4 * measures.boxes && measures.floor <= 7 * pushed &&
           measures.rooms >= 2;
}
}  // namespace

bool make_dense_level(uint32_t seed, bool goal_room, TLevel& level) {
    // A full room of targets lets few boxes be pulled out of it, so most boards give no level:
    // each seed tries several boards of its own, whose numbers no other seed's share.
    for (uint32_t board = 0; board < boards_per_seed; ++board) {
        if (make_board(seed * boards_per_seed + board, goal_room, level)) return true;
    }
    return false;
}
