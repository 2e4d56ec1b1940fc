#include "room.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using Piece = std::array<std::string, 3>;

// Our pieces: "#" wall, " " floor. Mostly open, so that rooms stay walkable.
const Piece pieces[] = {
    {"   ", "   ", "   "}, {"   ", "   ", "   "}, {"#  ", "   ", "   "}, {"## ", "   ", "   "},
    {"###", "   ", "   "}, {"#  ", "#  ", "   "}, {" # ", "   ", "   "}, {"   ", " # ", "   "},
    {"# #", "   ", "   "}, {"## ", "#  ", "   "}, {"###", "#  ", "#  "}, {"  #", " ##", "   "},
    {"# #", "   ", "# #"}, {" # ", " # ", "   "}, {"#  ", "## ", "   "}, {"#  ", "   ", "  #"},
    {"## ", "## ", "   "}, {"###", "# #", "   "}, {"   ", "## ", "   "}, {"#  ", " # ", "   "},
};

// The piece's square at (c, r) after `turns` quarter turns and an optional mirror.
char piece_square(const Piece& piece, int turns, bool mirror, int c, int r) {
    if (mirror) c = 2 - c;
    for (int t = 0; t < turns; ++t) {
        const int turned = 2 - r;
        r = c;
        c = turned;
    }
    return piece[static_cast<size_t>(r)][static_cast<size_t>(c)];
}

// Walls in every floor square not joined to the largest stretch; returns its size.
int keep_largest_floor(Puzzle& room) {
    const BoardRoom board = room_board(room);
    std::vector<int> region(room.squares.size(), -1);
    std::vector<int> sizes;
    for (int square = 0; square < board.square_count(); ++square) {
        if (!board.is_free(square) || region[static_cast<size_t>(square)] >= 0) continue;
        const int id = static_cast<int>(sizes.size());
        sizes.push_back(0);
        std::vector<int> pending{square};
        region[static_cast<size_t>(square)] = id;
        while (!pending.empty()) {
            const int at = pending.back();
            pending.pop_back();
            ++sizes.back();
            for (int d = 0; d < 4; ++d) {
                const int next = board.neighbour(at, d);
                if (board.is_free(next) && region[static_cast<size_t>(next)] < 0) {
                    region[static_cast<size_t>(next)] = id;
                    pending.push_back(next);
                }
            }
        }
    }
    int largest = -1;
    for (size_t id = 0; id < sizes.size(); ++id) {
        if (largest < 0 || sizes[id] > sizes[static_cast<size_t>(largest)])
            largest = static_cast<int>(id);
    }
    for (size_t square = 0; square < room.squares.size(); ++square) {
        if (room.squares[square] == Square::floor && region[square] != largest) {
            room.squares[square] = Square::wall;
        }
    }
    return largest < 0 ? 0 : sizes[static_cast<size_t>(largest)];
}

// Walls in every floor square with walls on three sides, until none is left: filling one dead
// end can make the square before it another.
void fill_dead_ends(Puzzle& room) {
    const BoardRoom board = room_board(room);
    std::vector<uint8_t> filled(static_cast<size_t>(board.square_count()), 0);
    const auto closed = [&](int square) {
        return !board.is_free(square) || filled[static_cast<size_t>(square)];
    };
    for (bool changed = true; changed;) {
        changed = false;
        for (int square = 0; square < board.square_count(); ++square) {
            if (closed(square)) continue;
            int walls = 0;
            for (int d = 0; d < 4; ++d) walls += closed(board.neighbour(square, d)) ? 1 : 0;
            if (walls < 3) continue;
            filled[static_cast<size_t>(square)] = 1;
            room.squares[static_cast<size_t>(square)] = Square::wall;
            changed = true;
        }
    }
}

bool open_rectangle(const BoardRoom& board, int wide, int high) {
    for (int row = 0; row + high <= board.height(); ++row) {
        for (int column = 0; column + wide <= board.width(); ++column) {
            bool open = true;
            for (int r = row; open && r < row + high; ++r) {
                for (int c = column; open && c < column + wide; ++c) {
                    open = board.is_free(c + r * board.width());
                }
            }
            if (open) return true;
        }
    }
    return false;
}

// Walls off the top row of every block row, but for two squares at alternate ends: lanes two
// squares high (too narrow for a hall) that join into one winding passage.
void wall_off_lanes(const RoomShape& shape, Puzzle& room) {
    const int inside = shape.blocks_wide * 3;
    for (int block_row = 0; block_row < shape.blocks_high; ++block_row) {
        const int row = 1 + block_row * 3;
        const int gap = block_row == 0 ? inside : block_row % 2 == 1 ? inside - 2 : 0;
        for (int column = 0; column < inside; ++column) {
            const bool open = column >= gap && column < gap + 2;
            room.squares[static_cast<size_t>(room.index(1 + column, row))] =
                open ? Square::floor : Square::wall;
        }
    }
}

}  // namespace

bool carve_room(std::mt19937& random, const RoomShape& shape, Puzzle& room) {
    room.reset(shape.blocks_wide * 3 + 2, shape.blocks_high * 3 + 2, Square::wall);
    std::uniform_int_distribution<size_t> any_piece(0, std::size(pieces) - 1);
    std::uniform_int_distribution<int> any_turn(0, 3);
    for (int block_row = 0; block_row < shape.blocks_high; ++block_row) {
        for (int block_column = 0; block_column < shape.blocks_wide; ++block_column) {
            const Piece& piece = pieces[any_piece(random)];
            const int turns = any_turn(random);
            const bool mirror = any_turn(random) % 2 == 1;
            for (int r = 0; r < 3; ++r) {
                for (int c = 0; c < 3; ++c) {
                    const int square = room.index(1 + block_column * 3 + c, 1 + block_row * 3 + r);
                    room.squares[static_cast<size_t>(square)] =
                        piece_square(piece, turns, mirror, c, r) == '#' ? Square::wall
                                                                        : Square::floor;
                }
            }
        }
    }
    if (shape.serpentine) wall_off_lanes(shape, room);
    fill_dead_ends(room);
    const int floor = keep_largest_floor(room);
    if (floor < shape.min_floor || floor > shape.max_floor) return false;
    const BoardRoom board = room_board(room);
    return !open_rectangle(board, 4, 3) && !open_rectangle(board, 3, 4);
}
