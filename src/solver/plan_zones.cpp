#include "solver/plan_zones.h"

#include <algorithm>

PlanZones::PlanZones(const SolverBoard& board, const PackingOrder& plan)
    : square_count(board.square_count()), step_of_square(board.square_count(), -1) {
    const std::vector<int32_t>& targets = board.targets();
    int32_t deepest = 0;
    for (size_t t = 0; t < targets.size(); ++t) {
        deepest = std::max(deepest, plan.layer_of_target(t));
    }
    step_count = targets.empty() ? 0 : deepest + 1;
    step_size.assign(step_count, 0);
    for (size_t t = 0; t < targets.size(); ++t) {
        const int32_t step = deepest - plan.layer_of_target(t);
        step_of_square[targets[t]] = step;
        ++step_size[step];
    }
    filled.assign(step_count, 0);
    zones.assign(static_cast<size_t>(step_count) * square_count, 0);
    std::vector<uint8_t> reach;
    for (int32_t step = 0; step < step_count; ++step) {
        // For every step but the last, the targets left once it is done; for the last, its own
        // targets, so that only boxes already shut in count.
        if (step + 1 < step_count) {
            reach_targets(board, step + 1, step_count, reach);
        } else {
            reach_targets(board, step, step_count, reach);
        }
        uint8_t* zone = &zones[static_cast<size_t>(step) * square_count];
        for (int32_t square = 0; square < square_count; ++square) {
            zone[square] = board.is_free(square) && !board.is_dead(square) &&
                           !board.is_target(square) && !reach[square];
            any_zone = any_zone || zone[square];
        }
    }
}

// Pulls a lone box back from each target of steps `first` on to `last`, as the board's dead
// squares are found, with the earlier steps' targets standing as walls to box and man alike.
void PlanZones::reach_targets(const SolverBoard& board, int32_t first, int32_t last,
                              std::vector<uint8_t>& reach) const {
    reach.assign(square_count, 0);
    const auto open = [&](int32_t square) {
        return board.is_free(square) &&
               (step_of_square[square] < 0 || step_of_square[square] >= first);
    };
    std::vector<int32_t> queue;
    for (int32_t target : board.targets()) {
        const int32_t step = step_of_square[target];
        if (step < first || step >= last) continue;
        reach[target] = 1;
        queue.push_back(target);
    }
    for (size_t head = 0; head < queue.size(); ++head) {
        const int32_t box = queue[head];
        for (int direction = 0; direction < 4; ++direction) {
            // The box came from `before`, pushed by a man standing beyond it.
            const int32_t before = board.neighbour(box, opposite(direction));
            if (!open(before) || reach[before]) continue;
            if (!open(board.neighbour(before, opposite(direction)))) continue;
            reach[before] = 1;
            queue.push_back(before);
        }
    }
}

int32_t PlanZones::steps_done(const std::vector<int32_t>& boxes) const {
    std::fill(filled.begin(), filled.end(), 0);
    for (int32_t box : boxes) {
        if (step_of_square[box] >= 0) ++filled[step_of_square[box]];
    }
    int32_t done = 0;
    while (done < step_count && filled[done] == step_size[done]) ++done;
    return done;
}

int32_t PlanZones::out_of_plan(const std::vector<int32_t>& boxes) const {
    if (!any_zone) return 0;
    const int32_t step = steps_done(boxes);
    if (step == step_count) return 0;
    int32_t count = 0;
    for (int32_t box : boxes) count += in_zone(step, box) ? 1 : 0;
    return count;
}

void PlanZones::open_position(const std::vector<int32_t>& boxes) {
    if (!any_zone) return;
    open_step = steps_done(boxes);
    open_count = out_of_plan(boxes);
}

int32_t PlanZones::out_of_plan_after(const std::vector<int32_t>& boxes, int32_t from,
                                     int32_t to) const {
    if (!any_zone) return 0;
    if (step_of_square[from] >= 0 || step_of_square[to] >= 0) return out_of_plan(boxes);
    if (open_step == step_count) return 0;
    return open_count - (in_zone(open_step, from) ? 1 : 0) + (in_zone(open_step, to) ? 1 : 0);
}
