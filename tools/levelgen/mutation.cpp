#include "mutation.h"

#include <algorithm>
#include <vector>

#include "level/directions.h"

namespace {

bool is_floor(const Puzzle& room, int column, int row) {
    return room.on_board(column, row) &&
           room.squares[static_cast<size_t>(room.index(column, row))] == Square::floor;
}

int floor_neighbours(const Puzzle& room, int square) {
    int count = 0;
    for (int d = 0; d < direction_count; ++d) {
        count += is_floor(room, room.column_of(square) + step_columns[d],
                          room.row_of(square) + step_rows[d])
                     ? 1
                     : 0;
    }
    return count;
}

bool inner(const Puzzle& room, int square) {
    const int column = room.column_of(square), row = room.row_of(square);
    return column > 0 && row > 0 && column < room.width - 1 && row < room.height - 1;
}

// A random square for which `fits` holds, or -1 when none does.
template <typename Fits>
int any_square(std::mt19937& random, const Puzzle& room, Fits fits) {
    std::vector<int> fitting;
    for (int square = 0; square < static_cast<int>(room.squares.size()); ++square) {
        if (fits(square)) fitting.push_back(square);
    }
    if (fitting.empty()) return -1;
    return fitting[std::uniform_int_distribution<size_t>(0, fitting.size() - 1)(random)];
}

int target_count(const Puzzle& room) {
    int count = 0;
    for (const bool target : room.targets) count += target ? 1 : 0;
    return count;
}

// A wall square beside the floor opens up. Not one with a single floor neighbour: that would
// be a dead end, where a box is lost and the man has no business.
bool open_wall(std::mt19937& random, Puzzle& room) {
    const int square = any_square(random, room, [&](int s) {
        return inner(room, s) && room.squares[static_cast<size_t>(s)] == Square::wall &&
               floor_neighbours(room, s) >= 2;
    });
    if (square < 0) return false;
    room.squares[static_cast<size_t>(square)] = Square::floor;
    return true;
}

bool close_floor(std::mt19937& random, Puzzle& room) {
    const int square = any_square(random, room, [&](int s) {
        return room.squares[static_cast<size_t>(s)] == Square::floor &&
               !room.targets[static_cast<size_t>(s)];
    });
    if (square < 0) return false;
    room.squares[static_cast<size_t>(square)] = Square::wall;
    return floor_in_one_piece(room);
}

int free_floor(std::mt19937& random, const Puzzle& room) {
    return any_square(random, room, [&](int s) {
        return room.squares[static_cast<size_t>(s)] == Square::floor &&
               !room.targets[static_cast<size_t>(s)];
    });
}

int any_target(std::mt19937& random, const Puzzle& room) {
    return any_square(random, room, [&](int s) { return room.targets[static_cast<size_t>(s)]; });
}

}  // namespace

bool floor_in_one_piece(const Puzzle& room) {
    std::vector<bool> met(room.squares.size(), false);
    std::vector<int> pending;
    int floor = 0;
    for (int square = 0; square < static_cast<int>(room.squares.size()); ++square) {
        if (room.squares[static_cast<size_t>(square)] != Square::floor) continue;
        ++floor;
        if (pending.empty() && !met[static_cast<size_t>(square)]) {
            met[static_cast<size_t>(square)] = true;
            pending.push_back(square);
        }
    }
    int joined = 0;
    while (!pending.empty()) {
        const int square = pending.back();
        pending.pop_back();
        ++joined;
        for (int d = 0; d < direction_count; ++d) {
            const int column = room.column_of(square) + step_columns[d];
            const int row = room.row_of(square) + step_rows[d];
            if (!is_floor(room, column, row)) continue;
            const auto next = static_cast<size_t>(room.index(column, row));
            if (met[next]) continue;
            met[next] = true;
            pending.push_back(static_cast<int>(next));
        }
    }
    return joined == floor;
}

bool wall_in_edge(std::mt19937& random, Puzzle& room) {
    const auto open = [&](int s) {
        return room.squares[static_cast<size_t>(s)] == Square::floor &&
               !room.targets[static_cast<size_t>(s)];
    };
    int fewest = direction_count;
    for (int s = 0; s < static_cast<int>(room.squares.size()); ++s) {
        if (open(s)) fewest = std::min(fewest, floor_neighbours(room, s));
    }
    const int square = any_square(
        random, room, [&](int s) { return open(s) && floor_neighbours(room, s) == fewest; });
    if (square < 0) return false;
    room.squares[static_cast<size_t>(square)] = Square::wall;
    if (floor_in_one_piece(room)) return true;
    room.squares[static_cast<size_t>(square)] = Square::floor;
    return false;
}

bool mutate(std::mt19937& random, const TargetRange& targets, Puzzle& room) {
    Puzzle changed = room;
    bool made = false;
    // Walls move most often: the room's shape is where most of a level's difficulty lies.
    switch (std::uniform_int_distribution<int>(0, 9)(random)) {
        case 0:
        case 1:
            made = open_wall(random, changed);
            break;
        case 2:
        case 3:
            made = close_floor(random, changed);
            break;
        case 4:
        case 5:
        case 6:
            made = close_floor(random, changed) && open_wall(random, changed);
            break;
        case 7:
        case 8: {
            const int from = any_target(random, changed), to = free_floor(random, changed);
            made = from >= 0 && to >= 0;
            if (made) {
                changed.targets[static_cast<size_t>(from)] = false;
                changed.targets[static_cast<size_t>(to)] = true;
            }
            break;
        }
        default: {
            const bool add = std::uniform_int_distribution<int>(0, 1)(random) == 1;
            const int count = target_count(changed);
            const int square = add ? free_floor(random, changed) : any_target(random, changed);
            made = square >= 0 && (add ? count < targets.most : count > targets.fewest);
            if (made) changed.targets[static_cast<size_t>(square)] = add;
            break;
        }
    }
    if (made) room = std::move(changed);
    return made;
}
