#pragma once

#include <cstdint>
#include <vector>

// Least total cost of giving every row its own column in a square cost matrix (the Hungarian
// method, O(n^3)). Keeps its work arrays between calls, since the solver asks once per position.
class Assignment {
  public:
    // `cost` holds n * n entries, row by row; an entry at or above `forbidden` may not be used.
    // Returns the least total, or `forbidden` when every assignment needs a forbidden entry.
    int64_t least_cost(const std::vector<int32_t>& cost, int n, int32_t forbidden);

  private:
    std::vector<int64_t> row_potential, column_potential, slack;
    std::vector<int> column_owner, way;
    std::vector<uint8_t> used;
};
