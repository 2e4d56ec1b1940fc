#include "testlevels/pulled_level.h"

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "carved_rooms.h"
#include "level/board_room.h"
#include "random_pick.h"

namespace {

// The room's walls as the level's room model reads them. Only its geometry is used
// (which squares are free, which are neighbours): what is solvable is settled here by pulling
// alone, never by the search, push distances or dead squares of the solver these levels test.
BoardRoom walled_board(int32_t width, int32_t height, const std::vector<uint8_t>& wall) {
    TLevel level;
    level.create(width, height);
    for (int32_t row = 0; row < height; ++row) {
        for (int32_t column = 0; column < width; ++column) {
            level.set_cell(column, row, wall[column + row * width] ? Cell::wall : Cell::floor);
        }
    }
    BoardRoom board;
    board.load_room(level);
    return board;
}

// The boxes and targets on a board. The outer ring is wall, so every step from a free square
// stays on the board.
struct Room {
    BoardRoom board;
    std::vector<uint8_t> box, target;
    // For each box, the target it stood on when the pulls began (its square until filled in).
    std::vector<int32_t> origin;

    int32_t at(int32_t column, int32_t row) const { return column + row * board.width(); }
    bool open(int32_t square) const { return board.is_free(square) && !box[square]; }
    // Squares the man reaches from `from` without moving a box.
    std::vector<uint8_t> reach(int32_t from) const {
        std::vector<uint8_t> seen(box.size(), 0);
        std::vector<int32_t> queue{from};
        seen[from] = 1;
        for (size_t head = 0; head < queue.size(); ++head) {
            for (int direction = 0; direction < 4; ++direction) {
                const int32_t next = board.neighbour(queue[head], direction);
                if (!open(next) || seen[next]) continue;
                seen[next] = 1;
                queue.push_back(next);
            }
        }
        return seen;
    }
};

std::vector<int32_t> open_squares(const Room& room) {
    std::vector<int32_t> squares;
    for (int32_t square = 0; square < room.board.square_count(); ++square) {
        if (room.open(square)) squares.push_back(square);
    }
    return squares;
}

// Raises a wall on `square` unless it would cut the room in two, and leaves the room on the
// board the walls make.
void raise_wall(Room& room, std::vector<uint8_t>& wall, int32_t square) {
    const int32_t width = room.board.width(), height = room.board.height();
    if (wall[square]) return;
    wall[square] = 1;
    room.board = walled_board(width, height, wall);
    const std::vector<int32_t> floor = open_squares(room);
    const std::vector<uint8_t> joined = room.reach(floor.front());
    for (int32_t other : floor) {
        if (!joined[other]) {
            wall[square] = 0;
            room.board = walled_board(width, height, wall);
            return;
        }
    }
}

void raise_inner_walls(Room& room, std::vector<uint8_t>& wall, std::mt19937& random,
                       int wall_percent) {
    const int32_t width = room.board.width(), height = room.board.height();
    const int32_t inner = (width - 2) * (height - 2);
    for (int attempt = 0; attempt < inner * wall_percent / 100; ++attempt) {
        raise_wall(room, wall, room.at(1 + pick(random, width - 2), 1 + pick(random, height - 2)));
    }
}

// A corridor along a random row or column, over half the room long: walls on both its sides.
void raise_corridor(Room& room, std::vector<uint8_t>& wall, std::mt19937& random) {
    const int32_t width = room.board.width(), height = room.board.height();
    const bool across = pick(random, 2) == 0;
    const int32_t length = (across ? width : height) - 2;
    const int32_t run = length / 2 + pick(random, length / 2);
    const int32_t start = 1 + pick(random, length - run + 1);
    const int32_t line = 2 + pick(random, (across ? height : width) - 4);
    for (int32_t along = start; along < start + run; ++along) {
        for (int32_t side : {line - 1, line + 1}) {
            if (side < 1 || side > (across ? height : width) - 2) continue;
            raise_wall(room, wall, across ? room.at(along, side) : room.at(side, along));
        }
    }
}

// The `count` open squares nearest a random one, as a room of targets would lie: all within
// the squares marked in `within`, unless it is empty.
std::vector<int32_t> clustered_squares(const Room& room, std::mt19937& random, int count,
                                       const std::vector<uint8_t>& within) {
    std::vector<int32_t> floor = open_squares(room);
    if (!within.empty()) {
        floor.erase(std::remove_if(floor.begin(), floor.end(),
                                   [&](int32_t square) { return !within[square]; }),
                    floor.end());
    }
    std::vector<int32_t> order{floor[pick(random, static_cast<int32_t>(floor.size()))]};
    std::vector<uint8_t> seen(room.box.size(), 0);
    seen[order.front()] = 1;
    for (size_t head = 0; head < order.size() && static_cast<int>(order.size()) < count; ++head) {
        for (int direction = 0; direction < 4; ++direction) {
            const int32_t next = room.board.neighbour(order[head], direction);
            if (!room.open(next) || seen[next]) continue;
            if (!within.empty() && !within[next]) continue;
            seen[next] = 1;
            order.push_back(next);
        }
    }
    if (static_cast<int>(order.size()) > count) order.resize(count);
    return order;
}

// Steps over the floor from each target to every square, boxes aside: -1 where none leads,
// and an empty row for squares that are no target.
using TargetSteps = std::vector<std::vector<int32_t>>;

TargetSteps steps_from_targets(const Room& room) {
    TargetSteps steps(room.box.size());
    for (int32_t target = 0; target < static_cast<int32_t>(room.box.size()); ++target) {
        if (!room.target[target]) continue;
        std::vector<int32_t>& row = steps[target];
        row.assign(room.box.size(), -1);
        row[target] = 0;
        std::vector<int32_t> queue{target};
        for (size_t head = 0; head < queue.size(); ++head) {
            for (int direction = 0; direction < 4; ++direction) {
                const int32_t next = room.board.neighbour(queue[head], direction);
                if (!room.board.is_free(next) || row[next] >= 0) continue;
                row[next] = row[queue[head]] + 1;
                queue.push_back(next);
            }
        }
    }
    return steps;
}

// Squares between the box on `square` and the target it came from: steps over the floor when
// `steps` is given, else counted along rows and columns.
int32_t distance_from_origin(const Room& room, const TargetSteps* steps, int32_t square,
                             int32_t origin) {
    if (steps != nullptr) return (*steps)[origin][square];
    const int32_t width = room.board.width();
    return std::abs(square % width - origin % width) + std::abs(square / width - origin / width);
}

// How far the pulls have taken the boxes: first the boxes off targets, then the squares
// between every box and where it began, added up. Measured in steps, the squares alone count:
// one box carried far is worth more than several nudged off their targets.
int64_t distance_from_origins(const Room& room, const TargetSteps* steps) {
    int64_t off_targets = 0, distance = 0;
    for (int32_t square = 0; square < static_cast<int32_t>(room.box.size()); ++square) {
        if (!room.box[square]) continue;
        off_targets += room.target[square] ? 0 : 1;
        distance += distance_from_origin(room, steps, square, room.origin[square]);
    }
    if (steps != nullptr) return distance;
    return off_targets * static_cast<int64_t>(room.box.size()) * 4 + distance;
}

// The free square from which the man reaches the most floor, first in square order.
int32_t roomiest_square(const Room& room, const std::vector<int32_t>& floor) {
    int32_t best = floor.front();
    int64_t most = -1;
    std::vector<uint8_t> counted(room.box.size(), 0);
    for (int32_t square : floor) {
        if (counted[square]) continue;
        const std::vector<uint8_t> reached = room.reach(square);
        const int64_t reach = std::count(reached.begin(), reached.end(), 1);
        for (size_t other = 0; other < reached.size(); ++other) counted[other] |= reached[other];
        if (reach > most) {
            most = reach;
            best = square;
        }
    }
    return best;
}

// One pull of a random box the man can get to (only of the box on `only`, when that is not
// -1), if any: the man stands next to the box, steps away from it, and the box follows him.
// `only` then names the box's new square. A pull that leaves the man less than
// `min_reach_percent` of the open floor is taken back: he would stay shut in there. With
// `steps`, `away_percent` of the pulls go, where some can, among those that carry the box
// farther from its target.
bool pull_once(Room& room, std::mt19937& random, int32_t& man, int32_t& only, int min_reach_percent,
               const TargetSteps* steps, int away_percent) {
    const std::vector<uint8_t> reached = room.reach(man);
    std::vector<std::pair<int32_t, int>> pulls, away;
    for (int32_t square = 0; square < room.board.square_count(); ++square) {
        if (!room.box[square] || (only >= 0 && square != only)) continue;
        for (int direction = 0; direction < 4; ++direction) {
            const int32_t stand = room.board.neighbour(square, direction);
            if (!reached[stand] || !room.open(room.board.neighbour(stand, direction))) continue;
            pulls.emplace_back(square, direction);
            if (steps != nullptr &&
                distance_from_origin(room, steps, stand, room.origin[square]) >
                    distance_from_origin(room, steps, square, room.origin[square]))
                away.emplace_back(square, direction);
        }
    }
    if (pulls.empty()) return false;
    if (!away.empty() && pick(random, 100) < away_percent) pulls.swap(away);
    const auto [box, direction] = pulls[pick(random, static_cast<int32_t>(pulls.size()))];
    const int32_t stand = room.board.neighbour(box, direction);
    room.box[box] = 0;
    room.box[stand] = 1;
    std::swap(room.origin[box], room.origin[stand]);
    const int32_t stepped = room.board.neighbour(stand, direction);
    if (min_reach_percent > 0) {
        const std::vector<uint8_t> after = room.reach(stepped);
        int64_t reach = 0;
        for (uint8_t seen : after) reach += seen;
        if (reach * 100 < static_cast<int64_t>(open_squares(room).size()) * min_reach_percent) {
            room.box[stand] = 0;
            room.box[box] = 1;
            std::swap(room.origin[box], room.origin[stand]);
            return false;
        }
    }
    man = stepped;
    only = stand;
    return true;
}
// Takes away every box standing on a target, with the target it came from. Pushing the other
// boxes back the way they were pulled still solves the level: their pushes never needed those
// boxes, which only stood in the way.
void drop_placed_boxes(Room& room) {
    for (size_t square = 0; square < room.box.size(); ++square) {
        if (!room.box[square] || !room.target[square]) continue;
        room.box[square] = 0;
        room.target[room.origin[square]] = 0;
    }
}

// Places `count` boxes on targets in groups of up to `group`, each group packed around a random
// square of its room: the first group in the first room, the next in the next, and so on
// (`room_of` gives each square's room, -1 outside any). False when some group finds its room
// full.
bool place_target_groups(Room& room, std::mt19937& random, int count, int group,
                         const std::vector<int>& room_of, std::vector<int32_t>& floor) {
    const int rooms = *std::max_element(room_of.begin(), room_of.end()) + 1;
    for (int placed = 0; placed < count;) {
        const int chosen = placed / group % rooms;
        std::vector<uint8_t> within(room_of.size(), 0);
        bool any = false;
        for (size_t square = 0; square < room_of.size(); ++square) {
            within[square] = room_of[square] == chosen && room.open(static_cast<int32_t>(square));
            any = any || within[square];
        }
        if (!any) return false;
        const int size = std::min(group, count - placed);
        for (int32_t square : clustered_squares(room, random, size, within)) {
            room.box[square] = room.target[square] = 1;
            room.origin[square] = square;
            floor.erase(std::find(floor.begin(), floor.end(), square));
            ++placed;
        }
    }
    return true;
}

// A short walk now and then, so that the next pull is not always from the same spot.
void wander(const Room& room, std::mt19937& random, int32_t& man) {
    const std::vector<int32_t> walkable = open_squares(room);
    const std::vector<uint8_t> reached = room.reach(man);
    const int32_t somewhere = walkable[pick(random, static_cast<int32_t>(walkable.size()))];
    if (reached[somewhere]) man = somewhere;
}
}  // namespace

bool make_pulled_level(uint32_t seed, const PulledLevelShape& shape, TLevel& level) {
    std::mt19937 random(seed);
    const size_t count = static_cast<size_t>(shape.width) * shape.height;
    std::vector<uint8_t> wall(count, 0);
    for (int32_t row = 0; row < shape.height; ++row) {
        for (int32_t column = 0; column < shape.width; ++column) {
            wall[column + row * shape.width] =
                column == 0 || row == 0 || column == shape.width - 1 || row == shape.height - 1;
        }
    }
    Room room{walled_board(shape.width, shape.height, wall), std::vector<uint8_t>(count, 0),
              std::vector<uint8_t>(count, 0), std::vector<int32_t>(count, 0)};
    // Where the room of targets and other targets must lie; anywhere if empty.
    std::vector<uint8_t> goal_squares, target_squares;
    std::vector<int> room_of;
    if (shape.room_floors.empty()) {
        for (int c = 0; c < shape.corridors; ++c) raise_corridor(room, wall, random);
        raise_inner_walls(room, wall, random, shape.wall_percent);
    } else {
        CarvedRooms carved;
        if (!carve_rooms(random, shape.width, shape.height, shape.room_floors, carved)) {
            return false;
        }
        wall = carved.wall;
        room_of = carved.room;
        // Not in passages, where a box would shut the man out of a room before the first pull.
        for (int owner : carved.room) {
            goal_squares.push_back(owner == 0);
            target_squares.push_back(owner >= 0);
        }
        room.board = walled_board(shape.width, shape.height, wall);
    }
    std::vector<int32_t> floor = open_squares(room);
    if (static_cast<int>(floor.size()) < shape.boxes + 2) return false;
    if (shape.goal_room) {
        const std::vector<int32_t> goals =
            clustered_squares(room, random, shape.boxes, goal_squares);
        if (static_cast<int>(goals.size()) < shape.boxes) return false;
        for (int32_t square : goals) {
            room.box[square] = room.target[square] = 1;
            room.origin[square] = square;
            floor.erase(std::find(floor.begin(), floor.end(), square));
        }
    }
    if (!target_squares.empty()) {
        floor.erase(std::remove_if(floor.begin(), floor.end(),
                                   [&](int32_t square) { return !target_squares[square]; }),
                    floor.end());
        if (static_cast<int>(floor.size()) <= (shape.goal_room ? 0 : shape.boxes)) return false;
    }
    const bool grouped = !shape.goal_room && shape.target_group > 0 && !room_of.empty();
    if (grouped &&
        !place_target_groups(room, random, shape.boxes, shape.target_group, room_of, floor)) {
        return false;
    }
    for (int b = shape.goal_room || grouped ? shape.boxes : 0; b < shape.boxes; ++b) {
        const int32_t chosen = pick(random, static_cast<int32_t>(floor.size()));
        room.box[floor[chosen]] = room.target[floor[chosen]] = 1;
        room.origin[floor[chosen]] = floor[chosen];
        floor.erase(floor.begin() + chosen);
    }
    int32_t man = floor[pick(random, static_cast<int32_t>(floor.size()))];
    if (shape.roomiest_start) man = roomiest_square(room, floor);
    const bool pull_away = shape.pull_away_percent > 0;
    const TargetSteps steps = pull_away ? steps_from_targets(room) : TargetSteps();
    const TargetSteps* away_steps = pull_away ? &steps : nullptr;
    int32_t pulled = -1;
    int run_left = 0;
    // Every position passed through is pulled back from the solved one, so any may be kept. The
    // walls and targets stay as they are: only the boxes and where each began are kept.
    std::vector<uint8_t> farthest_boxes = room.box;
    std::vector<int32_t> farthest_origins = room.origin;
    int32_t farthest_man = man;
    int64_t farthest_distance = 0;
    for (int pull = 0; pull < shape.pulls; ++pull) {
        if (run_left == 0) pulled = -1;
        if (!pull_once(room, random, man, pulled, shape.min_reach_percent, away_steps,
                       shape.pull_away_percent))
            pulled = -1;
        if (shape.keep_farthest && pulled >= 0) {
            const int64_t distance = distance_from_origins(room, away_steps);
            if (distance >= farthest_distance) {
                farthest_distance = distance;
                farthest_boxes = room.box;
                farthest_origins = room.origin;
                farthest_man = man;
            }
        }
        run_left = pulled < 0 ? 0 : (run_left == 0 ? shape.run : run_left) - 1;
        if (run_left > 0) continue;
        wander(room, random, man);
    }
    if (shape.keep_farthest) {
        room.box = farthest_boxes;
        room.origin = farthest_origins;
        man = farthest_man;
    }
    if (shape.drop_placed_boxes) drop_placed_boxes(room);
    int on_targets = 0;
    for (size_t square = 0; square < count; ++square) {
        on_targets += room.box[square] && room.target[square] ? 1 : 0;
    }
    int boxes = 0;
    for (uint8_t box : room.box) boxes += box;
    if (on_targets == boxes || on_targets * 100 > boxes * shape.max_on_target_percent) return false;

    level.release();
    level.create(shape.width, shape.height);
    for (int32_t row = 0; row < shape.height; ++row) {
        for (int32_t column = 0; column < shape.width; ++column) {
            const int32_t square = room.at(column, row);
            Cell cell = room.target[square] ? Cell::target : Cell::floor;
            if (room.box[square]) cell = room.target[square] ? Cell::box_on_target : Cell::box;
            if (!room.board.is_free(square)) cell = Cell::wall;
            level.set_cell(column, row, cell);
        }
    }
    level.set_start(man % shape.width, man / shape.width);
    level.set_number(1);
    level.set_title("'Pulled " + std::to_string(seed));
    level.mark_outside();
    return true;
}
