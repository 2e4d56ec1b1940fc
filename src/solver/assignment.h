#pragma once

#include <cstdint>
#include <vector>

// Least total cost of giving every row its own column in a square cost matrix (the Hungarian
// method, O(n^3)). Keeps its work arrays between calls, since the solver asks once per position.
class Assignment {
  public:
    // `cost` holds n * n entries, row by row; an entry at or above `forbidden` may not be used.
    // Returns the least total, or `forbidden` when every assignment needs a forbidden entry.
    // The matrix and its solution are kept for least_cost_with_row.
    int64_t least_cost(const std::vector<int32_t>& cost, int n, int32_t forbidden);
    // The least total of the matrix last given to least_cost with one row's costs replaced by
    // `row_cost` (n entries), in O(n^2): the kept solution stays optimal for every other row,
    // so only the changed row needs placing again. The kept matrix and solution stay as they
    // were, so that every row of one matrix can be tried in turn.
    int64_t least_cost_with_row(int row, const int32_t* row_cost);
    // Replaces `count` rows of the kept matrix for good (`row_costs` holds their n costs each,
    // one row after another) and returns the new least total, in O(count * n^2): the other
    // rows keep their places, and only the replaced ones are placed again. The result is kept
    // as least_cost's would be.
    int64_t replace_rows(const int* rows, int count, const int32_t* row_costs);
    // True when the kept potentials have wandered so far from zero, over many replaced rows,
    // that a fresh least_cost should start them again before they could overflow.
    bool worn() const;

  private:
    // Places row `row` (1-based) into the solution held in the work arrays, moving the
    // potentials so that the matching stays least.
    template <typename RowCosts>
    void place_row(int row, const RowCosts& row_costs);
    template <typename RowCosts>
    int64_t total(const RowCosts& row_costs) const;

    int n = 0;
    int32_t forbidden = 0;
    int64_t big = 0;
    // Costs with every forbidden entry already turned into `big`.
    std::vector<int64_t> kept_cost, changed_row;
    std::vector<int64_t> kept_row_potential, kept_column_potential;
    std::vector<int> kept_column_owner;
    std::vector<int64_t> row_potential, column_potential, slack;
    std::vector<int> column_owner, way;
    std::vector<uint8_t> used;
};
