#pragma once

#include <cstdint>
#include <vector>

#include "solver/board.h"
#include "solver/packing_order.h"

// Boxes out of plan: those standing where they will be stranded once the packing plan takes
// its next step. The plan fills its targets a layer at a time, deepest first; a filled layer is
// as good as wall. A step's zone is the floor (dead squares and targets apart) from which a
// lone box can reach no target left once that step is done. A box in the zone of the step the
// plan stands before must leave before that step shuts it in, or fill it; fewer such boxes is
// better. Made once per level.
class PlanZones {
  public:
    PlanZones(const SolverBoard& board, const PackingOrder& plan);

    // Boxes of the sorted `boxes` in the zone of the first step whose targets are not all
    // filled.
    int32_t out_of_plan(const std::vector<int32_t>& boxes) const;
    // The position being opened; then the count once its box on `from` has moved to `to`,
    // giving the sorted `boxes` after the move. Unless the move fills or empties a target, the
    // plan stands where it stood and only the moved box's count changes.
    void open_position(const std::vector<int32_t>& boxes);
    int32_t out_of_plan_after(const std::vector<int32_t>& boxes, int32_t from, int32_t to) const;
    // The plan's steps done: whole layers filled, deepest first.
    int32_t steps_done(const std::vector<int32_t>& boxes) const;
    int64_t memory_bytes() const { return static_cast<int64_t>(zones.size()); }
    bool in_zone(int32_t step, int32_t square) const {
        return zones[static_cast<size_t>(step) * square_count + square] != 0;
    }

  private:
    // Marks in `reach` the squares from which a lone box can be pushed to a target of steps
    // `first` to `last` - 1, the targets of steps before `first` walled.
    void reach_targets(const SolverBoard& board, int32_t first, int32_t last,
                       std::vector<uint8_t>& reach) const;

    int32_t square_count;
    int32_t step_count = 0;
    std::vector<int32_t> step_of_square;    // by square: the step its target is filled in; -1
    std::vector<int32_t> step_size;         // targets per step
    std::vector<uint8_t> zones;             // step x square
    bool any_zone = false;                  // open rooms of targets strand nothing
    mutable std::vector<int32_t> filled;    // per step
    int32_t open_step = 0, open_count = 0;  // the position being opened
};
