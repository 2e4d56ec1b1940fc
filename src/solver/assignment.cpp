#include "solver/assignment.h"

#include <cstddef>
#include <limits>

namespace {
constexpr int64_t infinity = std::numeric_limits<int64_t>::max() / 4;
}  // namespace

// One phase of the method: the row takes the helper column 0 and an augmenting path is grown
// by least reduced cost until it ends in a free column. Other rows' potentials stay feasible
// and tight on their matched columns throughout, which is all the phase needs of them.
template <typename Entry>
void Assignment::place_row(int row, const Entry& entry) {
    column_owner[0] = row;
    int column = 0;
    slack.assign(n + 1, infinity);
    used.assign(n + 1, 0);
    do {
        used[column] = 1;
        const int owner = column_owner[column];
        int64_t delta = infinity;
        int next = 0;
        for (int j = 1; j <= n; ++j) {
            if (used[j]) continue;
            const int64_t reduced =
                entry(owner - 1, j - 1) - row_potential[owner] - column_potential[j];
            if (reduced < slack[j]) {
                slack[j] = reduced;
                way[j] = column;
            }
            if (slack[j] < delta) {
                delta = slack[j];
                next = j;
            }
        }
        for (int j = 0; j <= n; ++j) {
            if (used[j]) {
                row_potential[column_owner[j]] += delta;
                column_potential[j] -= delta;
            } else {
                slack[j] -= delta;
            }
        }
        column = next;
    } while (column_owner[column] != 0);
    do {
        const int previous = way[column];
        column_owner[column] = column_owner[previous];
        column = previous;
    } while (column != 0);
}

template <typename Entry>
int64_t Assignment::total(const Entry& entry) const {
    int64_t sum = 0;
    for (int column = 1; column <= n; ++column) sum += entry(column_owner[column] - 1, column - 1);
    return sum >= big ? forbidden : sum;
}

// Forbidden entries take a cost larger than any sum of allowed ones, so the method never needs
// them unless there is no other way; a total that reaches that size means no allowed assignment.
int64_t Assignment::least_cost(const std::vector<int32_t>& cost, int size, int32_t limit) {
    n = size;
    forbidden = limit;
    big = static_cast<int64_t>(forbidden) * (n + 1);
    kept_cost.assign(cost.begin(), cost.begin() + static_cast<std::ptrdiff_t>(n) * n);
    const auto entry = [&](int row, int column) -> int64_t {
        const int32_t value = kept_cost[static_cast<size_t>(row) * n + column];
        return value >= forbidden ? big : value;
    };
    // 1-based arrays; column 0 is the helper column of the method.
    row_potential.assign(n + 1, 0);
    column_potential.assign(n + 1, 0);
    column_owner.assign(n + 1, 0);
    way.assign(n + 1, 0);
    for (int row = 1; row <= n; ++row) place_row(row, entry);
    kept_row_potential = row_potential;
    kept_column_potential = column_potential;
    kept_column_owner = column_owner;
    return total(entry);
}

int64_t Assignment::least_cost_with_row(int changed, const int32_t* row_cost) {
    const auto entry = [&](int row, int column) -> int64_t {
        const int32_t value =
            row == changed ? row_cost[column] : kept_cost[static_cast<size_t>(row) * n + column];
        return value >= forbidden ? big : value;
    };
    row_potential = kept_row_potential;
    column_potential = kept_column_potential;
    column_owner = kept_column_owner;
    // The changed row gives up its column; its potential is set afresh by the phase.
    for (int column = 1; column <= n; ++column) {
        if (column_owner[column] == changed + 1) column_owner[column] = 0;
    }
    row_potential[changed + 1] = 0;
    place_row(changed + 1, entry);
    return total(entry);
}
