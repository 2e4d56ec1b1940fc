#include "solver/corral.h"

#include <climits>

CorralCheck::Verdict CorralCheck::judge(const SolverBoard& board,
                                        const std::vector<uint8_t>& occupied, const ManWalk& walk,
                                        const std::vector<int32_t>& boxes) {
    const size_t count = static_cast<size_t>(board.square_count());
    // Ids only grow, so that no square needs clearing between positions.
    if (label.size() != count || first_id > INT32_MAX - static_cast<int32_t>(boxes.size()) - 1) {
        label.assign(count, -1);
        first_id = 0;
    }
    corrals.clear();
    for (int32_t box : boxes) {
        if (label[box] >= first_id) continue;
        corrals.emplace_back();
        fill(board, occupied, walk, box, first_id + static_cast<int32_t>(corrals.size()) - 1);
    }
    for (int32_t box : boxes) {
        Corral& corral = corrals[static_cast<size_t>(label[box] - first_id)];
        for (int direction = 0; direction < 4; ++direction) {
            const int32_t behind = board.neighbour(box, opposite(direction));
            const int32_t to = board.neighbour(box, direction);
            if (!walk.reached(behind) || !board.is_free(to) || occupied[to] || board.is_dead(to))
                continue;
            if (walk.reached(to)) {
                corral.pushes_out = true;
            } else {
                ++corral.pushes_in;
            }
        }
    }
    chosen = -1;
    int32_t fewest = INT32_MAX;
    for (size_t i = 0; i < corrals.size(); ++i) {
        const Corral& corral = corrals[i];
        if (!corral.needs_work || corral.pushes_out || corral.pushes_in >= fewest) continue;
        fewest = corral.pushes_in;
        chosen = first_id + static_cast<int32_t>(i);
    }
    first_id += static_cast<int32_t>(corrals.size());
    if (chosen < 0) return Verdict::any;
    return fewest == 0 ? Verdict::dead_end : Verdict::only;
}

// Labels every square the man cannot reach that joins `start` without passing his area,
// boxes included, and notes whether the corral still needs work.
void CorralCheck::fill(const SolverBoard& board, const std::vector<uint8_t>& occupied,
                       const ManWalk& walk, int32_t start, int32_t id) {
    Corral& corral = corrals.back();
    label[start] = id;
    stack.assign(1, start);
    while (!stack.empty()) {
        const int32_t square = stack.back();
        stack.pop_back();
        if (occupied[square] != board.is_target(square)) corral.needs_work = true;
        for (int direction = 0; direction < 4; ++direction) {
            const int32_t next = board.neighbour(square, direction);
            if (!board.is_free(next) || walk.reached(next) || label[next] == id) continue;
            label[next] = id;
            stack.push_back(next);
        }
    }
}
