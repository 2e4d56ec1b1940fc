#include "solver/man_walk.h"

#include <algorithm>

int32_t ManWalk::walk(const SolverBoard& board, const std::vector<uint8_t>& occupied,
                      int32_t from) {
    return flood<true>(board, occupied, from);
}

int32_t ManWalk::reach(const SolverBoard& board, const std::vector<uint8_t>& occupied,
                       int32_t from) {
    return flood<false>(board, occupied, from);
}

template <bool measure>
int32_t ManWalk::flood(const SolverBoard& board, const std::vector<uint8_t>& occupied,
                       int32_t from) {
    const size_t count = static_cast<size_t>(board.square_count());
    // One entry past the board stands for every wall and the world outside, always seen.
    if (seen.size() != count + 1 || stamp == INT32_MAX - 1) {
        seen.assign(count + 1, 0);
        seen[count] = INT32_MAX;
        steps.assign(count, 0);
        arrived_by.assign(count, 0);
        queue.assign(count + 1, 0);
        stamp = 0;
    }
    // The hottest loop of the searches: everything it touches is held in locals, so that the
    // stores into the arrays cannot make the compiler read the arrays' places again.
    const int32_t mark = ++stamp;
    int32_t* const seen_at = seen.data();
    int32_t* const steps_at = steps.data();
    int32_t* const arrived_at = arrived_by.data();
    int32_t* const waiting = queue.data();
    const uint8_t* const boxed = occupied.data();
    size_t tail = 0;
    waiting[tail++] = from;
    seen_at[from] = mark;
    steps_at[from] = 0;
    int32_t top_left = from;
    for (size_t head = 0; head < tail; ++head) {
        const int32_t square = waiting[head];
        const int32_t next_steps = measure ? steps_at[square] + 1 : 0;
        for (int direction = 0; direction < 4; ++direction) {
            const int32_t next = board.floor_step(square, direction);
            if (seen_at[next] >= mark || boxed[next]) continue;
            seen_at[next] = mark;
            if (measure) {
                steps_at[next] = next_steps;
                arrived_at[next] = direction;
            }
            top_left = std::min(top_left, next);
            waiting[tail++] = next;
        }
    }
    return top_left;
}
