#include "solver/assignment.h"

#include <cstddef>
#include <cstdlib>
#include <limits>

namespace {
constexpr int64_t infinity = std::numeric_limits<int64_t>::max() / 4;
// Far below any potential a fresh solve makes, and as far above what could overflow.
constexpr int64_t worn_potential = infinity >> 8;
}  // namespace

// One phase of the method: the row takes the helper column 0 and an augmenting path is grown
// by least reduced cost until it ends in a free column. Other rows' potentials stay feasible
// and tight on their matched columns throughout, which is all the phase needs of them.
// `row_costs(r)` gives the n costs of 1-based row r.
template <typename RowCosts>
void Assignment::place_row(int row, const RowCosts& row_costs) {
    column_owner[0] = row;
    int column = 0;
    slack.assign(n + 1, infinity);
    used.assign(n + 1, 0);
    // Held in locals: the stores into slack and way would otherwise make every array be read
    // from its vector again on each step of the inner loops.
    int64_t* const slack_at = slack.data();
    int* const way_at = way.data();
    uint8_t* const used_at = used.data();
    int64_t* const row_at = row_potential.data();
    int64_t* const column_at = column_potential.data();
    int* const owner_at = column_owner.data();
    do {
        used_at[column] = 1;
        const int owner = owner_at[column];
        const int64_t* const costs = row_costs(owner) - 1;  // indexed by 1-based column
        const int64_t owner_potential = row_at[owner];
        int64_t delta = infinity;
        int next = 0;
        for (int j = 1; j <= n; ++j) {
            if (used_at[j]) continue;
            const int64_t reduced = costs[j] - owner_potential - column_at[j];
            if (reduced < slack_at[j]) {
                slack_at[j] = reduced;
                way_at[j] = column;
            }
            if (slack_at[j] < delta) {
                delta = slack_at[j];
                next = j;
            }
        }
        for (int j = 0; j <= n; ++j) {
            if (used_at[j]) {
                row_at[owner_at[j]] += delta;
                column_at[j] -= delta;
            } else {
                slack_at[j] -= delta;
            }
        }
        column = next;
    } while (owner_at[column] != 0);
    do {
        const int previous = way_at[column];
        owner_at[column] = owner_at[previous];
        column = previous;
    } while (column != 0);
}

template <typename RowCosts>
int64_t Assignment::total(const RowCosts& row_costs) const {
    int64_t sum = 0;
    for (int column = 1; column <= n; ++column) {
        sum += row_costs(column_owner[column])[column - 1];
    }
    return sum >= big ? forbidden : sum;
}

// Forbidden entries take a cost larger than any sum of allowed ones, so the method never needs
// them unless there is no other way; a total that reaches that size means no allowed assignment.
int64_t Assignment::least_cost(const std::vector<int32_t>& cost, int size, int32_t limit) {
    n = size;
    forbidden = limit;
    big = static_cast<int64_t>(forbidden) * (n + 1);
    kept_cost.resize(static_cast<size_t>(n) * n);
    for (size_t i = 0; i < kept_cost.size(); ++i) {
        kept_cost[i] = cost[i] >= forbidden ? big : cost[i];
    }
    const auto row_costs = [&](int row) { return &kept_cost[static_cast<size_t>(row - 1) * n]; };
    // 1-based arrays; column 0 is the helper column of the method.
    row_potential.assign(n + 1, 0);
    column_potential.assign(n + 1, 0);
    column_owner.assign(n + 1, 0);
    way.assign(n + 1, 0);
    for (int row = 1; row <= n; ++row) place_row(row, row_costs);
    kept_row_potential = row_potential;
    kept_column_potential = column_potential;
    kept_column_owner = column_owner;
    return total(row_costs);
}

int64_t Assignment::least_cost_with_row(int changed, const int32_t* row_cost) {
    changed_row.resize(n);
    for (int column = 0; column < n; ++column) {
        changed_row[column] = row_cost[column] >= forbidden ? big : row_cost[column];
    }
    const auto row_costs = [&](int row) {
        return row == changed + 1 ? changed_row.data()
                                  : &kept_cost[static_cast<size_t>(row - 1) * n];
    };
    row_potential = kept_row_potential;
    column_potential = kept_column_potential;
    column_owner = kept_column_owner;
    // The changed row gives up its column; its potential is set afresh by the phase.
    for (int column = 1; column <= n; ++column) {
        if (column_owner[column] == changed + 1) column_owner[column] = 0;
    }
    row_potential[changed + 1] = 0;
    place_row(changed + 1, row_costs);
    return total(row_costs);
}

int64_t Assignment::replace_rows(const int* rows, int count, const int32_t* row_costs) {
    for (int k = 0; k < count; ++k) {
        int64_t* const kept_row = &kept_cost[static_cast<size_t>(rows[k]) * n];
        const int32_t* const given = row_costs + static_cast<size_t>(k) * n;
        for (int column = 0; column < n; ++column) {
            kept_row[column] = given[column] >= forbidden ? big : given[column];
        }
    }
    const auto kept_rows = [&](int row) { return &kept_cost[static_cast<size_t>(row - 1) * n]; };
    row_potential = kept_row_potential;
    column_potential = kept_column_potential;
    column_owner = kept_column_owner;
    // Every replaced row gives up its column first; the others stay feasible and tight, which
    // is all each phase needs.
    for (int k = 0; k < count; ++k) {
        const int row = rows[k] + 1;
        for (int column = 1; column <= n; ++column) {
            if (column_owner[column] == row) column_owner[column] = 0;
        }
        row_potential[row] = 0;
    }
    for (int k = 0; k < count; ++k) place_row(rows[k] + 1, kept_rows);
    kept_row_potential = row_potential;
    kept_column_potential = column_potential;
    kept_column_owner = column_owner;
    return total(kept_rows);
}

bool Assignment::worn() const {
    for (int i = 1; i <= n; ++i) {
        if (std::abs(kept_column_potential[i]) > worn_potential ||
            std::abs(kept_row_potential[i]) > worn_potential)
            return true;
    }
    return false;
}
