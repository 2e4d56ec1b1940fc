#include "solver/box_macros.h"

#include <algorithm>

// Whether a box pushed onto `square` in `direction` is inside a one-wide tunnel that goes on:
// walls on both its sides across the push, no target, and the next square an empty tunnel
// square of the same kind. Stopping there is no better than one square on, where the man can still
// push it back from the far side and nothing else is reachable, so such squares are no destination.
bool BoxMacros::passes_through(const SolverBoard& board, const std::vector<uint8_t>& occupied,
                               int32_t square, int direction) const {
    const int across = direction < 2 ? 2 : 0;
    const auto walled = [&](int32_t at) {
        return !board.is_free(board.neighbour(at, across)) &&
               !board.is_free(board.neighbour(at, across + 1));
    };
    const int32_t next = board.neighbour(square, direction);
    return !board.is_target(square) && walled(square) && board.is_free(next) && !occupied[next] &&
           !board.is_target(next) && walled(next);
}

// Breadth first over the box's square and the man's side, the box taken off `from`. Returns
// the goal state's index once met (-1 when not, or when no goal is asked for).
int32_t BoxMacros::search(const SolverBoard& board, std::vector<uint8_t>& occupied,
                          const ManWalk& walk, int32_t from, int32_t goal_state,
                          std::vector<Destination>* destinations) {
    const size_t states = static_cast<size_t>(board.square_count()) * 4;
    if (state_seen.size() != states || stamp == INT32_MAX) {
        state_seen.assign(states, 0);
        came_from.assign(states, -1);
        stamp = 0;
    }
    ++stamp;
    sides.forget(board);
    queue.clear();
    for (int side = 0; side < 4; ++side) {
        if (!walk.reached(board.neighbour(from, side))) continue;
        const int32_t state = from * 4 + side;
        state_seen[state] = stamp;
        came_from[state] = -1;
        queue.push_back(state);
    }
    occupied[from] = 0;
    int32_t met = -1;
    for (size_t head = 0; head < queue.size() && met < 0; ++head) {
        const int32_t state = queue[head];
        const int32_t square = state / 4;
        occupied[square] = 1;
        const int8_t* label = sides.labels(board, occupied, square);
        occupied[square] = 0;
        // The man walks round to every side joined to his own.
        const int8_t joined = label[state % 4];
        for (int side = 0; side < 4; ++side) {
            if (label[side] != joined) continue;
            const int32_t to = board.neighbour(square, opposite(side));
            if (!board.is_free(to) || occupied[to] || board.is_dead(to)) continue;
            const int32_t next = to * 4 + side;
            if (state_seen[next] == stamp) continue;
            state_seen[next] = stamp;
            came_from[next] = state;
            queue.push_back(next);
            if (next == goal_state) met = next;
            if (destinations != nullptr && to != from &&
                !passes_through(board, occupied, to, opposite(side))) {
                destinations->push_back({to, square});
            }
        }
    }
    occupied[from] = 1;
    return met;
}

void BoxMacros::find(const SolverBoard& board, std::vector<uint8_t>& occupied, const ManWalk& walk,
                     int32_t from, std::vector<Destination>& destinations) {
    destinations.clear();
    search(board, occupied, walk, from, -1, &destinations);
}

std::vector<Push> BoxMacros::pushes_to(const SolverBoard& board, std::vector<uint8_t>& occupied,
                                       const ManWalk& walk, int32_t from, Destination destination) {
    int side = 0;
    while (side < 4 && board.neighbour(destination.square, side) != destination.man) ++side;
    std::vector<Push> pushes;
    int32_t state = search(board, occupied, walk, from, destination.square * 4 + side, nullptr);
    for (; state >= 0 && came_from[state] >= 0; state = came_from[state]) {
        const int32_t before = came_from[state] / 4;
        pushes.push_back({before, opposite(state % 4)});
    }
    std::reverse(pushes.begin(), pushes.end());
    return pushes;
}
