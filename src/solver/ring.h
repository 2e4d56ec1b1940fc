#pragma once

#include <cstdint>

#include "solver/board.h"

// Whether the open squares next to `centre` stay joined to each other without it: they all lie
// on one unbroken run of open squares of the eight around it. A local test, so true is sure
// while false only means the ring alone cannot tell.
template <typename Open>
bool ring_stays_joined(const SolverBoard& board, int32_t centre, const Open& open) {
    const auto step = [&](int32_t square, int direction) {
        return square == SolverBoard::no_square ? square : board.neighbour(square, direction);
    };
    const int32_t up = step(centre, 2), down = step(centre, 3);
    // Clockwise from the top; the even places are the four next to the centre.
    const int32_t ring[8] = {up,   step(up, 1),   step(centre, 1), step(down, 1),
                             down, step(down, 0), step(centre, 0), step(up, 0)};
    bool is_open[8];
    int first_closed = -1;
    for (int i = 0; i < 8; ++i) {
        is_open[i] = open(ring[i]);
        if (!is_open[i] && first_closed < 0) first_closed = i;
    }
    if (first_closed < 0) return true;
    // Walk once round from a closed place and count the runs that hold a neighbour.
    int runs_with_neighbour = 0;
    bool in_run = false, run_has_neighbour = false;
    for (int k = 1; k <= 8; ++k) {
        const int i = (first_closed + k) % 8;
        if (is_open[i]) {
            if (!in_run) run_has_neighbour = false;
            in_run = true;
            run_has_neighbour = run_has_neighbour || i % 2 == 0;
        } else if (in_run) {
            in_run = false;
            runs_with_neighbour += run_has_neighbour ? 1 : 0;
        }
    }
    return runs_with_neighbour <= 1;
}
