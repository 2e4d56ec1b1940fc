#pragma once

#include <cstdint>
#include <vector>

#include "solver/board.h"
#include "solver/floor_stretches.h"
#include "solver/packing_order.h"

// What the feature-space search knows of a position besides its boxes: how far the packing plan
// has come, and how badly the boxes cut the floor up. Positions with the same values share a
// cell, and every cell gets its turns, so that progress on either keeps being worked on.
struct Features {
    int16_t packing = 0;       // targets filled in the plan's order; higher is better
    int16_t connectivity = 0;  // separate stretches of box-free floor; lower is better

    bool operator==(const Features& other) const {
        return packing == other.packing && connectivity == other.connectivity;
    }
    // More packed first, then less cut up.
    bool better_than(const Features& other) const {
        if (packing != other.packing) return packing > other.packing;
        return connectivity < other.connectivity;
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
    // position (`occupied` marking its boxes); `lift` then the box about to move, still marked;
    // `measure_after` a macro of that box ending on `to`, `occupied` showing the box there and
    // the man on `man`. The same features as `measure` gives the child.
    void open_position(const std::vector<uint8_t>& occupied);
    void lift(const std::vector<uint8_t>& occupied, int32_t from);
    Features measure_after(const std::vector<int32_t>& boxes, const std::vector<uint8_t>& occupied,
                           int32_t to, int32_t man, int32_t& man_area);
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
};
