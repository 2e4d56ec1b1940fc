#include "solver/side_dead.h"

#include <deque>

namespace {
// Walking round a box on every square costs the square count squared.
constexpr int32_t most_squares = 4096;
}  // namespace

SideDeadSquares::SideDeadSquares(const SolverBoard& board) : board(board) {
    int32_t free_squares = 0;
    for (int32_t square = 0; square < board.square_count(); ++square) {
        free_squares += board.is_free(square) ? 1 : 0;
    }
    if (free_squares > most_squares) return;
    join_sides();
    walk_back_from_targets();
}

// For each free square, a walk of the man from each of its sides with a box on it.
void SideDeadSquares::join_sides() {
    const size_t count = static_cast<size_t>(board.square_count());
    side_class.assign(count * 4, -1);
    std::vector<int32_t> seen(count, -1), queue;
    int32_t stamp = 0;
    for (int32_t box = 0; box < board.square_count(); ++box) {
        if (!board.is_free(box)) continue;
        for (int side = 0; side < 4; ++side) {
            const int32_t start = board.neighbour(box, side);
            if (!board.is_free(start) || side_class[static_cast<size_t>(box) * 4 + side] >= 0)
                continue;
            ++stamp;
            seen[start] = stamp;
            queue.assign(1, start);
            for (size_t head = 0; head < queue.size(); ++head) {
                for (int direction = 0; direction < 4; ++direction) {
                    const int32_t next = board.neighbour(queue[head], direction);
                    if (!board.is_free(next) || next == box || seen[next] == stamp) continue;
                    seen[next] = stamp;
                    queue.push_back(next);
                }
            }
            for (int other = side; other < 4; ++other) {
                const int32_t square = board.neighbour(box, other);
                if (board.is_free(square) && seen[square] == stamp) {
                    side_class[static_cast<size_t>(box) * 4 + other] = static_cast<int8_t>(side);
                }
            }
        }
    }
}

// Pulls a lone box back from every target at once. A box on `box` with the man in side class
// `c` is good when some push from a side of that class leads to a good state.
void SideDeadSquares::walk_back_from_targets() {
    good.assign(side_class.size(), 0);
    std::deque<std::pair<int32_t, int>> queue;
    const auto mark = [&](int32_t square, int side) {
        const int8_t c = side_class[static_cast<size_t>(square) * 4 + side];
        if (c < 0 || good[static_cast<size_t>(square) * 4 + c]) return;
        good[static_cast<size_t>(square) * 4 + c] = 1;
        queue.emplace_back(square, c);
    };
    for (int32_t target : board.targets()) {
        for (int side = 0; side < 4; ++side) mark(target, side);
    }
    while (!queue.empty()) {
        const auto [box, c] = queue.front();
        queue.pop_front();
        // The box came into `box` by a push in `direction`: the man then stands on the side
        // opposite, which must be of class `c`.
        for (int direction = 0; direction < 4; ++direction) {
            const int side = opposite(direction);
            if (side_class[static_cast<size_t>(box) * 4 + side] != c) continue;
            const int32_t before = board.neighbour(box, side);
            if (!board.is_free(before) || !board.is_free(board.neighbour(before, side))) continue;
            mark(before, side);
        }
    }
}
