#pragma once

#include <cstdint>
#include <vector>

#include "solver/features.h"

// A child of the position being opened, measured but not yet weighed.
struct MeasuredChild {
    int32_t position;
    Features features;
    int32_t estimate;  // pushes still needed at least
};

// The advisors look at all the children of one position together, and each names at most one
// that betters its own feature: the packing advisor the child that fills most in plan order;
// the others, neither of which may unpack, the child that joins most floor and the one that
// takes most boxes out of the plan's way. Each picks the best by features and then by pushes
// still needed. Named children get `advised` set; their pushes cost the line nothing.
void advise(const Features& parent, const std::vector<MeasuredChild>& children,
            std::vector<uint8_t>& advised);
