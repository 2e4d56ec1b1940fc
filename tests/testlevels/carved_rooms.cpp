#include "carved_rooms.h"

#include <algorithm>
#include <cmath>

#include "random_pick.h"

namespace {

constexpr int no_room = -1;

struct Plan {
    int32_t width, height;
    std::vector<int> owner;  // the room each floor square belongs to, or no_room for wall

    int32_t at(int32_t column, int32_t row) const { return column + row * width; }
    bool inside(int32_t column, int32_t row) const {
        return column >= 1 && row >= 1 && column < width - 1 && row < height - 1;
    }
    // Rooms stay a wall apart, corners included, so that only a passage joins them.
    bool near_other_room(int32_t column, int32_t row, int room) const {
        for (int32_t dr = -1; dr <= 1; ++dr) {
            for (int32_t dc = -1; dc <= 1; ++dc) {
                const int other = owner[at(column + dc, row + dr)];
                if (other != no_room && other != room) return true;
            }
        }
        return false;
    }
    // The squares can join `room`: inside, wall so far, and near no other room.
    bool can_take(int room, int32_t column, int32_t row, int32_t wide, int32_t high) const {
        for (int32_t r = row; r < row + high; ++r) {
            for (int32_t c = column; c < column + wide; ++c) {
                if (!inside(c, r) || owner[at(c, r)] != no_room || near_other_room(c, r, room))
                    return false;
            }
        }
        return true;
    }
    void take(int room, int32_t column, int32_t row, int32_t wide, int32_t high) {
        for (int32_t r = row; r < row + high; ++r) {
            for (int32_t c = column; c < column + wide; ++c) owner[at(c, r)] = room;
        }
    }
    // The room's core: a rectangle of about `size` squares somewhere free.
    bool place(int room, std::mt19937& random, int size) {
        for (int attempt = 0; attempt < 200; ++attempt) {
            const int32_t wide =
                std::max(3, static_cast<int32_t>(std::sqrt(size)) - 1 + pick(random, 3));
            const int32_t high = std::max(3, (size + wide / 2) / wide);
            if (wide > width - 2 || high > height - 2) continue;
            const int32_t column = 1 + pick(random, width - 1 - wide);
            const int32_t row = 1 + pick(random, height - 1 - high);
            if (!can_take(room, column, row, wide, high)) continue;
            take(room, column, row, wide, high);
            return true;
        }
        return false;
    }
    // Two squares of floor side by side along the room's edge, so that its wall is no
    // straight line; being two, they stay part of the room and make no dead end.
    void bulge(int room, std::mt19937& random, int count) {
        for (int attempt = 0; attempt < count * 20 && count > 0; ++attempt) {
            const int32_t square = pick(random, static_cast<int32_t>(owner.size()));
            const int32_t column = square % width, row = square / width;
            if (owner[square] != room) continue;
            const int direction = pick(random, 4);
            const int32_t dc = direction == 0 ? -1 : direction == 1 ? 1 : 0;
            const int32_t dr = direction == 2 ? -1 : direction == 3 ? 1 : 0;
            // The pair runs across the step: along the edge the square lies on.
            const int32_t ac = dr != 0 ? 1 : 0, ar = dc != 0 ? 1 : 0;
            const int32_t c = column + dc, r = row + dr;
            if (owner[at(column + ac, row + ar)] != room) continue;
            if (!can_take(room, c, r, 1 + ac, 1 + ar)) continue;
            take(room, c, r, 1 + ac, 1 + ar);
            --count;
        }
    }
    // A wall on a square with floor all round it: the room stays joined.
    void raise_pillars(std::mt19937& random, int room, int count) {
        for (int attempt = 0; attempt < count * 4 && count > 0; ++attempt) {
            const int32_t square = pick(random, static_cast<int32_t>(owner.size()));
            if (owner[square] != room || !inside(square % width, square / width)) continue;
            bool open = true;
            for (int32_t dr = -1; dr <= 1 && open; ++dr) {
                for (int32_t dc = -1; dc <= 1 && open; ++dc)
                    open = owner[square + dc + dr * width] == room;
            }
            if (!open) continue;
            owner[square] = no_room;
            --count;
        }
    }
    // Digs the shortest passage from the joined rooms to the nearest room not yet joined, and
    // returns that room. Being shortest, it runs a single square wide.
    int dig_passage(const std::vector<uint8_t>& joined, int passage) {
        const int32_t count = width * height;
        std::vector<int32_t> came_from(count, -2);
        std::vector<int32_t> queue;
        for (int32_t square = 0; square < count; ++square) {
            if (owner[square] != no_room && joined[owner[square]]) {
                came_from[square] = -1;
                queue.push_back(square);
            }
        }
        for (size_t head = 0; head < queue.size(); ++head) {
            const int32_t from = queue[head];
            for (int32_t step : {-1, 1, -width, width}) {
                const int32_t next = from + step;
                if (!inside(next % width, next / width) || came_from[next] != -2) continue;
                if (owner[next] != no_room) {
                    if (joined[owner[next]]) continue;
                    for (int32_t back = from; came_from[back] != -1; back = came_from[back]) {
                        owner[back] = passage;
                    }
                    return owner[next];
                }
                came_from[next] = from;
                queue.push_back(next);
            }
        }
        return no_room;
    }
};
}  // namespace

bool carve_rooms(std::mt19937& random, int32_t width, int32_t height, const std::vector<int>& sizes,
                 CarvedRooms& carved) {
    const int rooms = static_cast<int>(sizes.size());
    Plan plan{width, height, std::vector<int>(static_cast<size_t>(width) * height, no_room)};
    for (int room = 0; room < rooms; ++room) {
        // The core holds most of the floor; bulges and pillars make up the rest.
        if (!plan.place(room, random, sizes[room] * 4 / 5)) return false;
    }
    for (int room = 0; room < rooms; ++room) {
        plan.bulge(room, random, sizes[room] / 10);
        plan.raise_pillars(random, room, sizes[room] / 20);
    }
    // Passages are owned by a number past the rooms, and count as joined once dug.
    std::vector<uint8_t> joined(rooms + 1, 0);
    joined[0] = joined[rooms] = 1;
    for (int room = 1; room < rooms; ++room) {
        const int reached = plan.dig_passage(joined, rooms);
        if (reached == no_room) return false;
        joined[reached] = 1;
    }
    carved.wall.assign(plan.owner.size(), 0);
    carved.room.assign(plan.owner.size(), no_room);
    for (size_t square = 0; square < plan.owner.size(); ++square) {
        carved.wall[square] = plan.owner[square] == no_room;
        if (plan.owner[square] < rooms) carved.room[square] = plan.owner[square];
    }
    return true;
}
