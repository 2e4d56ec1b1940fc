#include "solver/corral_search.h"

#include <algorithm>
#include <deque>

bool CorralSearch::dead_end(const SolverBoard& board, const std::vector<int32_t>& boxes,
                            const std::vector<uint8_t>& occupied, const ManWalk& area,
                            int32_t man) {
    const size_t count = static_cast<size_t>(board.square_count());
    if (region_mark.size() != count || mark == INT32_MAX) {
        region_mark.assign(count, 0);
        inside.assign(count, 0);
        local.assign(count, 0);
        mark = 0;
    }
    const int32_t first = mark + 1;
    for (int32_t box : boxes) {
        if (region_mark[box] >= first) continue;
        // The corral round this box: every square the man cannot reach joined to it.
        region_mark[box] = ++mark;
        region.assign(1, box);
        for (size_t head = 0; head < region.size(); ++head) {
            for (int direction = 0; direction < 4; ++direction) {
                const int32_t next = board.neighbour(region[head], direction);
                if (!board.is_free(next) || area.reached(next) || region_mark[next] == mark)
                    continue;
                region_mark[next] = mark;
                region.push_back(next);
            }
        }
        bool needs_work = false, has_floor = false;
        corral_boxes.clear();
        for (int32_t square : region) {
            needs_work = needs_work || occupied[square] != board.is_target(square);
            has_floor = has_floor || !occupied[square];
            if (occupied[square]) corral_boxes.push_back(square);
        }
        // A box with the man all round it shuts nothing in; plain tests judge it.
        if (!needs_work || !has_floor) continue;
        for (int32_t square : region) inside[square] = !occupied[square];
        std::sort(corral_boxes.begin(), corral_boxes.end());
        const bool dead = stuck(board, corral_boxes, man);
        for (int32_t square : region) inside[square] = 0;
        if (dead) return true;
    }
    return false;
}

// Breadth first over the corral's boxes and the man's area, until the man gets in, every box
// stands on a target, the positions run out (a dead end) or the cap is reached.
bool CorralSearch::stuck(const SolverBoard& board, const std::vector<int32_t>& start, int32_t man) {
    seen.clear();
    std::deque<std::pair<std::vector<int32_t>, int32_t>> queue;
    queue.emplace_back(start, man);
    std::vector<int32_t> key;
    bool alive = false;
    while (!queue.empty() && !alive) {
        const auto [boxes, stands] = queue.front();
        queue.pop_front();
        for (int32_t box : boxes) local[box] = 1;
        walk.walk(board, local, stands);
        bool home = true;
        for (int32_t box : boxes) home = home && board.is_target(box);
        for (int32_t square : region) alive = alive || (inside[square] && walk.reached(square));
        alive = alive || home;
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
                    key = boxes;
                    key[i] = to;
                    std::sort(key.begin(), key.end());
                    key.push_back(after.walk(board, local, from));
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
