#pragma once

#include <cstdint>
#include <vector>

#include "solver/board.h"

// Hotspots: boxes off target that stand in another box's way home. A box is a hotspot when a
// wall on its square would take from some other box off target a target that box could reach
// by pushes alone; clearing such boxes first keeps the ways to the targets open. Whether one
// square cuts another is looked up in a table over all pairs of squares, made once per level
// with a time cap; when the cap is hit there is no table and no box counts as a hotspot.
class Hotspots {
  public:
    Hotspots(const SolverBoard& board, double seconds);

    bool ready() const { return ready_; }
    // A wall on `wall` would cut a lone box on `box` off a target it can reach now.
    bool cuts(int32_t wall, int32_t box) const {
        const size_t bit = static_cast<size_t>(wall) * square_count + box;
        return (table[bit / 64] >> (bit % 64)) & 1;
    }
    int64_t memory_bytes() const { return static_cast<int64_t>(table.size()) * 8; }

    // Hotspots among the sorted `boxes`.
    int32_t count(const std::vector<int32_t>& boxes) const;
    // The position being opened; then its hotspots once its box `index` has moved to `to`.
    void open_position(const std::vector<int32_t>& boxes);
    int32_t count_after(size_t index, int32_t to) const;
    const std::vector<int32_t>& open_boxes() const { return boxes; }

  private:
    // Marks in `reach` the squares from which a lone box can be pushed to `target`, with
    // `wall` (no_square for none) standing as a wall.
    void pull_from(int32_t target, int32_t wall, std::vector<uint8_t>& reach);

    const SolverBoard& board;
    int32_t square_count;
    bool ready_ = false;
    std::vector<uint64_t> table;  // wall x box, one bit each
    std::vector<int32_t> queue;
    // The position being opened: its boxes and, for each, how many other boxes off target its
    // square cuts.
    std::vector<int32_t> boxes;
    std::vector<int32_t> cut_count;
};
