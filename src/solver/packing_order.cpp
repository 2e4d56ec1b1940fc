#include "solver/packing_order.h"

#include <algorithm>

#include "solver/man_walk.h"

namespace {
// The plan found backwards gets this share of the finding search's time, and no more than
// the cap, in seconds, nor more pulled positions than the cap.
constexpr double pull_plan_share = 0.1;
constexpr double pull_plan_seconds = 2.0;
constexpr int64_t pull_plan_positions = 50000;
}  // namespace

PackingOrder::PackingOrder(const SolverBoard& board, const SolveLimits& limits, SearchTies ties)
    : PackingOrder(board) {
    SolveLimits share = limits;
    share.seconds = std::min(limits.seconds * pull_plan_share, pull_plan_seconds);
    share.positions = std::min(limits.positions, pull_plan_positions);
    plan = StepPlan(board, find_pull_plan(board, share, ties));
}

PackingOrder::PackingOrder(const SolverBoard& board)
    : layers(board.targets().size(), -1),
      target_index(board.square_count(), -1),
      filled(board.targets().size(), 0) {
    const std::vector<int32_t>& targets = board.targets();
    for (size_t t = 0; t < targets.size(); ++t) target_index[targets[t]] = static_cast<int32_t>(t);
    std::vector<uint8_t> occupied(board.square_count(), 0);
    for (int32_t target : targets) occupied[target] = 1;
    occupied[board.man_start()] = 0;  // his own square, should he start on a target
    ManWalk walk;
    std::vector<size_t> freed;
    size_t left = targets.size();
    // A cap on the walks over the board; past it the rest share the deepest layer.
    constexpr int32_t most_layers = 64;
    for (int32_t layer = 0; left > 0; ++layer) {
        walk.walk(board, occupied, board.man_start());
        freed.clear();
        for (size_t t = 0; t < targets.size(); ++t) {
            if (layers[t] >= 0 || !occupied[targets[t]]) continue;
            // A pull: the man stands next to the box and steps back, the box following.
            for (int direction = 0; direction < 4; ++direction) {
                const int32_t stand = board.neighbour(targets[t], direction);
                const int32_t back = stand < 0 ? -1 : board.neighbour(stand, direction);
                if (walk.reached(stand) && board.is_free(back) && !occupied[back]) {
                    freed.push_back(t);
                    break;
                }
            }
        }
        // Boxes no pull can free share the deepest layer.
        if (freed.empty() || layer == most_layers) {
            for (size_t t = 0; t < targets.size(); ++t) {
                if (layers[t] < 0) layers[t] = layer;
            }
            break;
        }
        for (size_t t : freed) {
            layers[t] = layer;
            occupied[targets[t]] = 0;
        }
        left -= freed.size();
    }
}

int32_t PackingOrder::out_of_order(const std::vector<int32_t>& boxes) const {
    std::fill(filled.begin(), filled.end(), 0);
    for (int32_t box : boxes) {
        if (target_index[box] >= 0) filled[static_cast<size_t>(target_index[box])] = 1;
    }
    int32_t deepest_empty = -1;
    for (size_t t = 0; t < layers.size(); ++t) {
        if (!filled[t]) deepest_empty = std::max(deepest_empty, layers[t]);
    }
    int32_t count = 0;
    for (size_t t = 0; t < layers.size(); ++t) count += filled[t] && layers[t] < deepest_empty;
    return count;
}

int32_t PackingOrder::packing(const std::vector<int32_t>& boxes) const {
    if (!plan.empty()) return plan.packing(boxes);
    int32_t on_targets = 0;
    for (int32_t box : boxes) on_targets += target_index[box] >= 0 ? 1 : 0;
    return on_targets - out_of_order(boxes);
}
