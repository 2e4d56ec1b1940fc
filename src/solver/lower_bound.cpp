#include "solver/lower_bound.h"

#include <algorithm>

namespace {
// On the largest boards the pushes of all boxes may add up past 32 bits; any total that large
// is as far beyond search as a dead end.
int32_t capped(int64_t total) {
    return static_cast<int32_t>(std::min<int64_t>(total, SolverBoard::unreachable));
}
}  // namespace

int32_t PushLowerBound::estimate(const SolverBoard& board, const std::vector<int32_t>& boxes) {
    const int n = static_cast<int>(boxes.size());
    costs.resize(static_cast<size_t>(n) * n);
    for (int b = 0; b < n; ++b) {
        for (int t = 0; t < n; ++t) {
            costs[static_cast<size_t>(b) * n + t] = board.push_distance(t, boxes[b]);
        }
    }
    return capped(assignment.least_cost(costs, n, SolverBoard::unreachable));
}

int32_t PushLowerBound::estimate_moved(const SolverBoard& board, size_t index, int32_t to) {
    const size_t n = board.targets().size();
    row.resize(n);
    for (size_t t = 0; t < n; ++t) row[t] = board.push_distance(t, to);
    return capped(assignment.least_cost_with_row(static_cast<int>(index), row.data()));
}
