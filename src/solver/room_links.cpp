#include "solver/room_links.h"

#include <algorithm>
#include <utility>

namespace {
constexpr int right = 1, down = 3;

// Marks the squares of every all-floor block `columns` wide and `rows` high.
void cover_blocks(const SolverBoard& board, int columns, int rows, std::vector<uint8_t>& covered) {
    for (int32_t corner = 0; corner < board.square_count(); ++corner) {
        bool floor = true;
        for (int32_t row = 0, first = corner; row < rows && floor; ++row) {
            for (int32_t column = 0, square = first; column < columns && floor; ++column) {
                floor = board.is_free(square);
                square = floor ? board.neighbour(square, right) : square;
            }
            first = floor ? board.neighbour(first, down) : first;
        }
        if (!floor) continue;
        for (int32_t row = 0, first = corner; row < rows; ++row) {
            for (int32_t column = 0, square = first; column < columns; ++column) {
                covered[square] = 1;
                square = board.neighbour(square, right);
            }
            first = board.neighbour(first, down);
        }
    }
}
}  // namespace

RoomLinks::RoomLinks(const SolverBoard& board)
    : board(board),
      room(board.square_count(), -1),
      piece(board.square_count(), 0),
      seen(board.square_count(), 0) {
    find_rooms(board);
    find_corridors(board);
    open_shut.assign(corridors.size(), 0);
}

void RoomLinks::find_rooms(const SolverBoard& board) {
    std::vector<uint8_t> in_room(board.square_count(), 0);
    cover_blocks(board, 2, 2, in_room);
    int32_t rooms = 0;
    for (int32_t start = 0; start < board.square_count(); ++start) {
        if (!in_room[start] || room[start] >= 0) continue;
        room[start] = rooms;
        stack.assign(1, start);
        while (!stack.empty()) {
            const int32_t at = stack.back();
            stack.pop_back();
            for (int direction = 0; direction < 4; ++direction) {
                const int32_t next = board.neighbour(at, direction);
                if (next < 0 || !in_room[next] || room[next] >= 0) continue;
                room[next] = rooms;
                stack.push_back(next);
            }
        }
        ++rooms;
    }
}

// Corridor pieces that lead from one room to another; dead-end nooks link nothing and are left
// out.
void RoomLinks::find_corridors(const SolverBoard& board) {
    std::vector<int32_t> corridor_of(board.square_count(), -1);
    std::vector<std::vector<int32_t>> of_square(board.square_count());
    for (int32_t start = 0; start < board.square_count(); ++start) {
        if (!board.is_free(start) || room[start] >= 0 || corridor_of[start] != -1) continue;
        Corridor corridor;
        corridor_of[start] = -2;
        stack.assign(1, start);
        while (!stack.empty()) {
            const int32_t at = stack.back();
            stack.pop_back();
            corridor.squares.push_back(at);
            for (int direction = 0; direction < 4; ++direction) {
                const int32_t next = board.neighbour(at, direction);
                if (!board.is_free(next) || room[next] >= 0 || corridor_of[next] != -1) continue;
                corridor_of[next] = -2;
                stack.push_back(next);
            }
        }
        std::vector<std::pair<int32_t, int32_t>> mouths;  // (room, square)
        for (int32_t square : corridor.squares) {
            for (int direction = 0; direction < 4; ++direction) {
                const int32_t next = board.neighbour(square, direction);
                if (board.is_free(next) && room[next] >= 0) mouths.push_back({room[next], next});
            }
        }
        std::sort(mouths.begin(), mouths.end());
        mouths.erase(std::unique(mouths.begin(), mouths.end()), mouths.end());
        corridor.first_mouth = static_cast<int32_t>(corridor.squares.size());
        for (size_t m = 0; m < mouths.size(); ++m) {
            if (m > 0 && mouths[m].first != mouths[m - 1].first) ++corridor.rooms;
            corridor.squares.push_back(mouths[m].second);
            corridor.mouth_room.push_back(corridor.rooms);  // numbered within the corridor
        }
        corridor.rooms += mouths.empty() ? 0 : 1;
        if (corridor.rooms < 2) continue;
        const int32_t index = static_cast<int32_t>(corridors.size());
        for (int32_t square : corridor.squares) of_square[square].push_back(index);
        for (int32_t k = 0; k < corridor.first_mouth; ++k) corridor_of[corridor.squares[k]] = index;
        corridors.push_back(std::move(corridor));
    }
    std::replace(corridor_of.begin(), corridor_of.end(), -2, -1);
    square_start.assign(1, 0);
    for (const std::vector<int32_t>& list : of_square) {
        square_corridors.insert(square_corridors.end(), list.begin(), list.end());
        square_start.push_back(static_cast<int32_t>(square_corridors.size()));
    }
    corridor_index = std::move(corridor_of);
}

void RoomLinks::corridors_at(int32_t square, int32_t* found, int& count) const {
    for (int32_t k = square_start[square]; k < square_start[square + 1]; ++k) {
        const int32_t corridor = square_corridors[k];
        if (std::find(found, found + count, corridor) == found + count) found[count++] = corridor;
    }
}

// The box-free corridor squares fall into pieces; two rooms stay linked when a box-free mouth of
// each opens onto the same piece.
int32_t RoomLinks::shut_in(const std::vector<uint8_t>& occupied, int32_t index) {
    const Corridor& corridor = corridors[index];
    if (stamp == INT32_MAX) {
        std::fill(seen.begin(), seen.end(), 0);
        stamp = 0;
    }
    ++stamp;
    int32_t pieces = 0;
    piece_rooms.clear();
    for (size_t k = corridor.first_mouth; k < corridor.squares.size(); ++k) {
        const int32_t mouth = corridor.squares[k];
        if (occupied[mouth]) continue;
        for (int direction = 0; direction < 4; ++direction) {
            const int32_t start = board.neighbour(mouth, direction);
            if (start < 0 || corridor_index[start] != index || occupied[start]) continue;
            if (seen[start] != stamp) {
                seen[start] = stamp;
                piece[start] = pieces;
                stack.assign(1, start);
                while (!stack.empty()) {
                    const int32_t at = stack.back();
                    stack.pop_back();
                    for (int step = 0; step < 4; ++step) {
                        const int32_t next = board.neighbour(at, step);
                        if (next < 0 || corridor_index[next] != index || occupied[next] ||
                            seen[next] == stamp) {
                            continue;
                        }
                        seen[next] = stamp;
                        piece[next] = pieces;
                        stack.push_back(next);
                    }
                }
                ++pieces;
            }
            piece_rooms.push_back({piece[start], corridor.mouth_room[k - corridor.first_mouth]});
        }
    }
    std::sort(piece_rooms.begin(), piece_rooms.end());
    piece_rooms.erase(std::unique(piece_rooms.begin(), piece_rooms.end()), piece_rooms.end());
    const int32_t rooms = corridor.rooms;
    joined.assign(static_cast<size_t>(rooms) * rooms, 0);
    int32_t linked = 0;
    for (size_t first = 0; first < piece_rooms.size();) {
        size_t last = first;
        while (last < piece_rooms.size() && piece_rooms[last].first == piece_rooms[first].first) {
            ++last;
        }
        for (size_t a = first; a < last; ++a) {
            for (size_t b = a + 1; b < last; ++b) {
                uint8_t& pair = joined[piece_rooms[a].second * rooms + piece_rooms[b].second];
                linked += pair ? 0 : 1;
                pair = 1;
            }
        }
        first = last;
    }
    return rooms * (rooms - 1) / 2 - linked;
}

int32_t RoomLinks::shut(const std::vector<uint8_t>& occupied) {
    int32_t total = 0;
    for (size_t c = 0; c < corridors.size(); ++c) {
        total += shut_in(occupied, static_cast<int32_t>(c));
    }
    return total;
}

void RoomLinks::open_position(const std::vector<uint8_t>& occupied) {
    open_total = 0;
    for (size_t c = 0; c < corridors.size(); ++c) {
        open_shut[c] = shut_in(occupied, static_cast<int32_t>(c));
        open_total += open_shut[c];
    }
}

// Only the corridors that hold `from` or `to`, as a corridor square or a mouth, can change.
int32_t RoomLinks::shut_after(const std::vector<uint8_t>& occupied, int32_t from, int32_t to) {
    if (square_start[from] == square_start[from + 1] && square_start[to] == square_start[to + 1]) {
        return open_total;
    }
    int32_t changed[8];
    int count = 0;
    corridors_at(from, changed, count);
    corridors_at(to, changed, count);
    int32_t total = open_total;
    for (int k = 0; k < count; ++k) {
        total += shut_in(occupied, changed[k]) - open_shut[changed[k]];
    }
    return total;
}
