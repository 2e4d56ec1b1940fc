#include "solver/area_after_push.h"

#include <algorithm>

#include "solver/ring.h"

int32_t area_after_push(const SolverBoard& board, const std::vector<uint8_t>& occupied,
                        const ManWalk& walk, int32_t man, int32_t top_left, int32_t from,
                        int32_t to, int direction) {
    const auto open = [&](int32_t square) {
        return board.is_free(square) && !occupied[square] &&
               (walk.reached(square) || square == from);
    };
    const auto joins_nothing_new = [&](int32_t square) {
        return !board.is_free(square) || occupied[square] || walk.reached(square);
    };
    const int side = direction < 2 ? 2 : 0;  // the two directions across the push
    const bool quick = board.is_free(man) && top_left != to &&
                       joins_nothing_new(board.neighbour(from, side)) &&
                       joins_nothing_new(board.neighbour(from, side + 1)) &&
                       (!walk.reached(to) || ring_stays_joined(board, to, open));
    return quick ? std::min(top_left, from) : SolverBoard::no_square;
}
