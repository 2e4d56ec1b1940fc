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
    int32_t total = 0;
    if (estimate_changed(board, boxes, total)) return total;
    return estimate_afresh(board, boxes);
}

int32_t PushLowerBound::estimate_afresh(const SolverBoard& board,
                                        const std::vector<int32_t>& boxes) {
    const int n = static_cast<int>(boxes.size());
    costs.resize(static_cast<size_t>(n) * n);
    for (int b = 0; b < n; ++b) {
        for (int t = 0; t < n; ++t) {
            costs[static_cast<size_t>(b) * n + t] = board.push_distance(t, boxes[b]);
        }
    }
    if (row_of_square.size() != static_cast<size_t>(board.square_count())) {
        row_of_square.assign(static_cast<size_t>(board.square_count()), -1);
    } else {
        for (int32_t box : kept_boxes) row_of_square[box] = -1;
    }
    for (int b = 0; b < n; ++b) row_of_square[boxes[b]] = b;
    kept_boxes = boxes;
    return capped(assignment.least_cost(costs, n, SolverBoard::unreachable));
}

bool PushLowerBound::estimate_changed(const SolverBoard& board, const std::vector<int32_t>& boxes,
                                      int32_t& total) {
    const size_t n = boxes.size();
    if (kept_boxes.size() != n || row_of_square.size() != static_cast<size_t>(board.square_count()))
        return false;
    gone.clear();
    come.clear();
    std::set_difference(kept_boxes.begin(), kept_boxes.end(), boxes.begin(), boxes.end(),
                        std::back_inserter(gone));
    // Past half the boxes, a fresh matching costs no more than placing them one by one.
    if (gone.size() > n / 2 || assignment.worn()) return false;
    std::set_difference(boxes.begin(), boxes.end(), kept_boxes.begin(), kept_boxes.end(),
                        std::back_inserter(come));
    changed_rows.clear();
    costs.resize(gone.size() * n);
    for (size_t k = 0; k < gone.size(); ++k) {
        const int32_t row = row_of_square[gone[k]];
        row_of_square[gone[k]] = -1;
        row_of_square[come[k]] = row;
        changed_rows.push_back(row);
        for (size_t t = 0; t < n; ++t) costs[k * n + t] = board.push_distance(t, come[k]);
    }
    kept_boxes = boxes;
    total = capped(
        assignment.replace_rows(changed_rows.data(), static_cast<int>(gone.size()), costs.data()));
    return true;
}

int32_t PushLowerBound::estimate_moved(const SolverBoard& board, size_t index, int32_t to) {
    const size_t n = board.targets().size();
    row.resize(n);
    for (size_t t = 0; t < n; ++t) row[t] = board.push_distance(t, to);
    return capped(assignment.least_cost_with_row(row_of_square[kept_boxes[index]], row.data()));
}
