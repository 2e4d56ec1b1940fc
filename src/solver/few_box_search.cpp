#include "solver/few_box_search.h"

#include <algorithm>
#include <deque>

#include "solver/area_after_push.h"

bool FewBoxSearch::dead_end(const SolverBoard& board, const std::vector<int32_t>& start,
                            int32_t man, int32_t cap,
                            const std::function<bool(const ManWalk&)>& freed) {
    // Every box is taken off again after its position, so the squares stay clear between calls.
    if (local.size() != static_cast<size_t>(board.square_count()))
        local.assign(static_cast<size_t>(board.square_count()), 0);
    seen.clear();
    std::deque<std::pair<std::vector<int32_t>, int32_t>> queue;
    queue.emplace_back(start, man);
    std::vector<int32_t> key;
    bool alive = false;
    while (!queue.empty() && !alive) {
        const auto [boxes, stands] = queue.front();
        queue.pop_front();
        ++searched_;
        for (int32_t box : boxes) local[box] = 1;
        const int32_t top_left = walk.reach(board, local, stands);
        bool home = true;
        for (int32_t box : boxes) home = home && board.is_target(box);
        alive = home || (freed && freed(walk));
        for (size_t i = 0; i < boxes.size() && !alive; ++i) {
            const int32_t from = boxes[i];
            for (int direction = 0; direction < 4 && !alive; ++direction) {
                const int32_t behind = board.neighbour(from, opposite(direction));
                const int32_t to = board.neighbour(from, direction);
                if (!walk.reached(behind) || !board.is_free(to) || local[to] || board.is_dead(to))
                    continue;
                local[from] = 0;
                local[to] = 1;
                if (!freeze.frozen_off_target(board, local, to)) {
                    move_box(boxes, i, to, key);
                    const int32_t quick =
                        area_after_push(board, local, walk, stands, top_left, from, to, direction);
                    key.push_back(
                        quick != SolverBoard::no_square ? quick : after.reach(board, local, from));
                    if (seen.insert(key).second) {
                        key.pop_back();
                        queue.emplace_back(key, from);
                        alive = static_cast<int32_t>(seen.size()) > cap;
                    }
                }
                local[to] = 0;
                local[from] = 1;
            }
        }
        for (int32_t box : boxes) local[box] = 0;
    }
    return !alive;
}
