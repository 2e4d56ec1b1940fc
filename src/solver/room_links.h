#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "solver/board.h"

// The level's rooms and the corridors between them, and how many of those links the boxes
// shut. A room square is one covered by a 2x2 block of floor; the rooms are the pieces such
// squares make, and every other floor square is corridor. A corridor piece that touches two or
// more rooms links each pair of them; the link is shut when no box-free way leads through that
// corridor from one room's mouth to the other's. A box parked in a passage between rooms shuts
// the man out of half the level even when the floor count barely changes, so fewer shut links
// is better.
class RoomLinks {
  public:
    explicit RoomLinks(const SolverBoard& board);

    // Links shut by the boxes `occupied` marks.
    int32_t shut(const std::vector<uint8_t>& occupied);
    // The position being opened, whose boxes `occupied` marks; then the links shut once one
    // box has moved from `from` to `to`, as `occupied` now shows.
    void open_position(const std::vector<uint8_t>& occupied);
    int32_t shut_after(const std::vector<uint8_t>& occupied, int32_t from, int32_t to);

    int32_t room_of(int32_t square) const { return room[square]; }

  private:
    // A corridor piece with the room squares that open onto it (its mouths).
    struct Corridor {
        std::vector<int32_t> squares;  // corridor squares, then the mouths
        std::vector<int32_t> mouth_room;
        int32_t first_mouth = 0;
        int32_t rooms = 0;  // different rooms among the mouths
    };

    void find_rooms(const SolverBoard& board);
    void find_corridors(const SolverBoard& board);
    int32_t shut_in(const std::vector<uint8_t>& occupied, int32_t corridor);
    void corridors_at(int32_t square, int32_t* found, int& count) const;

    const SolverBoard& board;
    std::vector<int32_t> room;            // by square; -1 for corridor and wall
    std::vector<int32_t> corridor_index;  // by corridor square; -1 elsewhere and in nooks
    std::vector<Corridor> corridors;
    // By square: the corridors it belongs to, as a corridor square or a mouth.
    std::vector<int32_t> square_start, square_corridors;
    std::vector<int32_t> open_shut;  // by corridor, in the position being opened
    int32_t open_total = 0;
    std::vector<int32_t> piece, seen, stack;
    std::vector<std::pair<int32_t, int32_t>> piece_rooms;  // (piece, room within the corridor)
    std::vector<uint8_t> joined;
    int32_t stamp = 0;
};
