#include "solver/freeze.h"

// The boxes joined to the pushed one start out presumed frozen; any that could still move along
// some line (the man behind it, room ahead) is let go, and letting one go may free others. What
// is left holds itself in place for ever: moving any of them would first need another of them
// moved, or would put a box on a dead square.
bool FreezeCheck::frozen_off_target(const SolverBoard& board, const std::vector<uint8_t>& occupied,
                                    int32_t pushed_to) {
    if (group_mark.size() != occupied.size()) {
        group_mark.assign(occupied.size(), 0);
        stamp = 0;
    }
    if (++stamp == INT32_MAX) {
        group_mark.assign(occupied.size(), 0);
        stamp = 1;
    }
    group.assign(1, pushed_to);
    group_mark[pushed_to] = stamp;
    for (size_t i = 0; i < group.size(); ++i) {
        for (int direction = 0; direction < 4; ++direction) {
            const int32_t next = board.neighbour(group[i], direction);
            if (next == SolverBoard::no_square || !occupied[next] || group_mark[next] == stamp)
                continue;
            group_mark[next] = stamp;
            group.push_back(next);
        }
    }
    bool changed = true;
    while (changed) {
        changed = false;
        for (size_t i = 0; i < group.size(); ++i) {
            const int32_t box = group[i];
            if (held_along(board, box, 0) && held_along(board, box, 2)) continue;
            group_mark[box] = 0;
            group[i] = group.back();
            group.pop_back();
            --i;
            changed = true;
        }
    }
    for (int32_t box : group) {
        if (!board.is_target(box)) return true;
    }
    return false;
}

// Along the line of `first_direction` and its opposite: can the box be pushed either way?
bool FreezeCheck::held_along(const SolverBoard& board, int32_t box, int first_direction) const {
    const int32_t one_side = board.neighbour(box, first_direction);
    const int32_t other_side = board.neighbour(box, opposite(first_direction));
    const auto no_man = [&](int32_t square) {
        return !board.is_free(square) || group_mark[square] == stamp;
    };
    const auto no_box = [&](int32_t square) { return no_man(square) || board.is_dead(square); };
    return (no_man(one_side) || no_box(other_side)) && (no_man(other_side) || no_box(one_side));
}
