#pragma once

#include <cstdint>
#include <vector>

#include "solver/board.h"
#include "solver/floor_stretches.h"
#include "solver/packing_order.h"
#include "solver/plan_zones.h"

// What the feature-space search knows of a position besides its boxes: how far the packing plan
// has come, how badly the boxes cut the floor up, and how many boxes stand where the plan's
// next step would strand them. Positions with the same packing and connectivity share a cell,
// and every cell gets its turns, so that progress on either keeps being worked on; the boxes
// out of plan break ties and guide an advisor.
struct Features {
    int16_t packing = 0;       // targets filled in the plan's order; higher is better
    int16_t connectivity = 0;  // separate stretches of box-free floor; lower is better
    int16_t out_of_plan = 0;   // boxes the plan's next step strands (plan_zones.h)

    bool operator==(const Features& other) const {
        return packing == other.packing && connectivity == other.connectivity &&
               out_of_plan == other.out_of_plan;
    }
    // More packed first, then less cut up, then fewer boxes in the plan's way.
    bool better_than(const Features& other) const {
        if (packing != other.packing) return packing > other.packing;
        if (connectivity != other.connectivity) return connectivity < other.connectivity;
        return out_of_plan < other.out_of_plan;
    }
};

// Measures the features of positions on one board. Keeps its work arrays between calls.
class FeatureMeter {
  public:
    FeatureMeter(const SolverBoard& board, const PackingOrder& plan);

    // `boxes` sorted, `occupied` marking the same boxes. `man_area` gets the top-left square
    // of the stretch the man on `man` (a free square without a box) walks in, which names his
    // area in stored positions.
    Features measure(const std::vector<int32_t>& boxes, const std::vector<uint8_t>& occupied,
                     int32_t man, int32_t& man_area);
    // The children of one position, measured from what they change. `open_position` takes the
    // position (`occupied` marking its sorted `boxes`); `lift` then the box about to move, still
    // marked; `measure_after` a macro of that box ending on `to`, `occupied` showing the box
    // there and the man on `man`. The same features as `measure` gives the child.
    void open_position(const std::vector<int32_t>& boxes, const std::vector<uint8_t>& occupied);
    void lift(const std::vector<uint8_t>& occupied, int32_t from);
    Features measure_after(const std::vector<int32_t>& boxes, const std::vector<uint8_t>& occupied,
                           int32_t to, int32_t man, int32_t& man_area);
    // What the per-level tables hold.
    int64_t memory_bytes() const { return zones.memory_bytes(); }
    // How far the boxes have come along the packing plan (PackingOrder::packing).
    int32_t packing(const std::vector<int32_t>& boxes) const;
    // Stretches of free squares without boxes, joined side to side.
    int32_t connectivity(const std::vector<uint8_t>& occupied);
    int32_t connectivity(const std::vector<uint8_t>& occupied, int32_t man, int32_t& man_area);

  private:
    const SolverBoard& board;
    const PackingOrder& plan;
    std::vector<int32_t> seen, stack;
    int32_t stamp = 0;
    FloorStretches stretches;
    PlanZones zones;
    int32_t lifted = SolverBoard::no_square;
};
