#pragma once

#include <cstdint>
#include <random>

// A number from 0 to count - 1. Uniform enough, and unlike the standard distributions the same
// on every library, so that a seed makes the same level everywhere.
inline int32_t pick(std::mt19937& random, int32_t count) {
    return static_cast<int32_t>(random() % static_cast<uint32_t>(count));
}
