#include "solver/corral_search.h"

#include <algorithm>

bool CorralSearch::dead_end(const SolverBoard& board, const std::vector<int32_t>& boxes,
                            const std::vector<uint8_t>& occupied, const ManWalk& area,
                            int32_t man) {
    const size_t count = static_cast<size_t>(board.square_count());
    if (region_mark.size() != count || mark == INT32_MAX) {
        region_mark.assign(count, 0);
        inside.assign(count, 0);
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

// The man getting into the corral frees it as surely as its boxes reaching targets.
bool CorralSearch::stuck(const SolverBoard& board, const std::vector<int32_t>& start, int32_t man) {
    return search.dead_end(board, start, man, cap, [&](const ManWalk& walk) {
        for (int32_t square : region) {
            if (inside[square] && walk.reached(square)) return true;
        }
        return false;
    });
}
