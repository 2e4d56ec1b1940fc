#include "solver/man_walk.h"

#include <algorithm>

int32_t ManWalk::walk(const SolverBoard& board, const std::vector<uint8_t>& occupied,
                      int32_t from) {
    const size_t count = static_cast<size_t>(board.square_count());
    if (seen.size() != count || stamp == INT32_MAX) {
        seen.assign(count, 0);
        steps.assign(count, 0);
        arrived_by.assign(count, 0);
        stamp = 0;
    }
    ++stamp;
    queue.assign(1, from);
    seen[from] = stamp;
    steps[from] = 0;
    int32_t top_left = from;
    for (size_t head = 0; head < queue.size(); ++head) {
        const int32_t square = queue[head];
        for (int direction = 0; direction < 4; ++direction) {
            const int32_t next = board.neighbour(square, direction);
            if (!board.is_free(next) || occupied[next] || seen[next] == stamp) continue;
            seen[next] = stamp;
            steps[next] = steps[square] + 1;
            arrived_by[next] = static_cast<int8_t>(direction);
            top_left = std::min(top_left, next);
            queue.push_back(next);
        }
    }
    return top_left;
}
