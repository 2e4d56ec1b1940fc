#include "solver/assignment.h"

#include <cstddef>
#include <limits>

// Forbidden entries take a cost larger than any sum of allowed ones, so the method never needs
// them unless there is no other way; a total that reaches that size means no allowed assignment.
int64_t Assignment::least_cost(const std::vector<int32_t>& cost, int n, int32_t forbidden) {
    const int64_t big = static_cast<int64_t>(forbidden) * (n + 1);
    const int64_t infinity = std::numeric_limits<int64_t>::max() / 4;
    const auto entry = [&](int row, int column) -> int64_t {
        const int32_t value = cost[static_cast<size_t>(row) * n + column];
        return value >= forbidden ? big : value;
    };
    // 1-based arrays; column 0 is the helper column of the method.
    row_potential.assign(n + 1, 0);
    column_potential.assign(n + 1, 0);
    column_owner.assign(n + 1, 0);
    way.assign(n + 1, 0);
    for (int row = 1; row <= n; ++row) {
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
    int64_t total = 0;
    for (int column = 1; column <= n; ++column) {
        total += entry(column_owner[column] - 1, column - 1);
    }
    return total >= big ? forbidden : total;
}
