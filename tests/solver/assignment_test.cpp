// The least matching with one row changed, found from the kept one, against a fresh solve.
#include "solver/assignment.h"

#include <gtest/gtest.h>

#include <random>

TEST(Assignment, OneRowChangedMatchesAFreshSolve) {
    std::mt19937 random(5);
    constexpr int32_t forbidden = 1000;
    Assignment kept, fresh;
    for (int round = 0; round < 300; ++round) {
        const int n = 1 + static_cast<int>(random() % 9);
        // Some entries forbidden, so that some matrices have no allowed matching at all.
        const auto entry = [&] {
            return random() % 6 == 0 ? forbidden : static_cast<int32_t>(random() % 30);
        };
        std::vector<int32_t> cost(static_cast<size_t>(n) * n);
        for (int32_t& value : cost) value = entry();
        const int64_t whole = kept.least_cost(cost, n, forbidden);
        EXPECT_EQ(whole, fresh.least_cost(cost, n, forbidden));
        // Every row in turn, each from the same kept matrix.
        for (int row = 0; row < n; ++row) {
            std::vector<int32_t> changed = cost, row_cost(n);
            for (int column = 0; column < n; ++column) {
                row_cost[column] = entry();
                changed[static_cast<size_t>(row) * n + column] = row_cost[column];
            }
            EXPECT_EQ(kept.least_cost_with_row(row, row_cost.data()),
                      fresh.least_cost(changed, n, forbidden))
                << "round " << round << " row " << row;
        }
    }
}

// Rows replaced for good, a few at a time over many rounds, from a matching that goes on
// changing: each total must match a fresh solve of the whole matrix as it now stands.
TEST(Assignment, ReplacedRowsMatchAFreshSolveRoundAfterRound) {
    std::mt19937 random(7);
    constexpr int32_t forbidden = 1000;
    const auto entry = [&] {
        return random() % 6 == 0 ? forbidden : static_cast<int32_t>(random() % 30);
    };
    for (int n : {1, 4, 9}) {
        Assignment kept, fresh;
        std::vector<int32_t> cost(static_cast<size_t>(n) * n);
        for (int32_t& value : cost) value = entry();
        kept.least_cost(cost, n, forbidden);
        for (int round = 0; round < 200; ++round) {
            std::vector<int> rows;
            for (int row = 0; row < n; ++row) {
                if (random() % 3 == 0) rows.push_back(row);
            }
            std::vector<int32_t> row_costs;
            for (int row : rows) {
                for (int column = 0; column < n; ++column) {
                    row_costs.push_back(entry());
                    cost[static_cast<size_t>(row) * n + column] = row_costs.back();
                }
            }
            EXPECT_EQ(
                kept.replace_rows(rows.data(), static_cast<int>(rows.size()), row_costs.data()),
                fresh.least_cost(cost, n, forbidden))
                << "n " << n << " round " << round;
            // The kept matching also answers for one changed row, as a fresh one would.
            const int row = static_cast<int>(random() % n);
            std::vector<int32_t> changed = cost, row_cost(n);
            for (int column = 0; column < n; ++column) {
                row_cost[column] = entry();
                changed[static_cast<size_t>(row) * n + column] = row_cost[column];
            }
            EXPECT_EQ(kept.least_cost_with_row(row, row_cost.data()),
                      fresh.least_cost(changed, n, forbidden));
        }
    }
}
