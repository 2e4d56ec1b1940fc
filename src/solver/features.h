#pragma once

#include <cstdint>
#include <vector>

#include "solver/board.h"
#include "solver/floor_stretches.h"
#include "solver/hotspots.h"
#include "solver/packing_order.h"
#include "solver/plan_zones.h"
#include "solver/room_links.h"

// What the feature-space search knows of a position besides its boxes: how far the packing plan
// has come, and how badly the boxes cut the floor up. Positions with the same packing and
// connectivity share a cell, and every cell gets its turns, so that progress on either keeps
// being worked on; the others break ties and guide the advisors.
struct Features {
    int16_t packing = 0;       // targets filled in the plan's order; higher is better
    int16_t connectivity = 0;  // separate stretches of box-free floor; lower is better
    int16_t room_links = 0;    // links between rooms that boxes shut (room_links.h)
    int16_t out_of_plan = 0;   // boxes the plan's next step strands (plan_zones.h)
    int16_t hotspots = 0;      // boxes in other boxes' way home (hotspots.h)

    bool operator==(const Features& other) const {
        return packing == other.packing && connectivity == other.connectivity &&
               room_links == other.room_links && out_of_plan == other.out_of_plan &&
               hotspots == other.hotspots;
    }
    // More packed first, then less cut up, then fewer rooms shut apart, then fewer boxes in the
    // plan's way, then fewer in other boxes' way.
    bool better_than(const Features& other) const {
        if (packing != other.packing) return packing > other.packing;
        if (connectivity != other.connectivity) return connectivity < other.connectivity;
        if (room_links != other.room_links) return room_links < other.room_links;
        if (out_of_plan != other.out_of_plan) return out_of_plan < other.out_of_plan;
        return hotspots < other.hotspots;
    }
};

// Measures the features of positions on one board. Keeps its work arrays between calls.
class FeatureMeter {
  public:
    // The hotspot table may take up to `table_seconds` to make.
    FeatureMeter(const SolverBoard& board, const PackingOrder& plan, double table_seconds = 1);

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
    int64_t memory_bytes() const { return hotspots.memory_bytes(); }
    // Boxes on targets, less those filled before some deeper target of the plan is.
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
    RoomLinks rooms;
    PlanZones zones;
    Hotspots hotspots;
    size_t lifted_index = 0;
    int32_t lifted = SolverBoard::no_square;
};
