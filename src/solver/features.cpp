#include "solver/features.h"

#include <algorithm>

FeatureMeter::FeatureMeter(const SolverBoard& board, const PackingOrder& plan)
    : board(board), plan(plan), seen(board.square_count(), 0), zones(board, plan) {}

Features FeatureMeter::measure(const std::vector<int32_t>& boxes,
                               const std::vector<uint8_t>& occupied, int32_t man,
                               int32_t& man_area) {
    Features features;
    features.packing = static_cast<int16_t>(std::min<int32_t>(packing(boxes), INT16_MAX));
    features.connectivity =
        static_cast<int16_t>(std::min<int32_t>(connectivity(occupied, man, man_area), INT16_MAX));
    features.out_of_plan = static_cast<int16_t>(zones.out_of_plan(boxes));
    return features;
}

void FeatureMeter::open_position(const std::vector<int32_t>& boxes,
                                 const std::vector<uint8_t>& occupied) {
    stretches.label(board, occupied);
    zones.open_position(boxes);
}

void FeatureMeter::lift(const std::vector<uint8_t>& occupied, int32_t from) {
    stretches.lift(board, occupied, from);
    lifted = from;
}

Features FeatureMeter::measure_after(const std::vector<int32_t>& boxes,
                                     const std::vector<uint8_t>& occupied, int32_t to, int32_t man,
                                     int32_t& man_area) {
    Features features;
    features.packing = static_cast<int16_t>(std::min<int32_t>(packing(boxes), INT16_MAX));
    features.connectivity = static_cast<int16_t>(
        std::min<int32_t>(stretches.drop(board, occupied, to, man, man_area), INT16_MAX));
    features.out_of_plan = static_cast<int16_t>(zones.out_of_plan_after(boxes, lifted, to));
    return features;
}

int32_t FeatureMeter::packing(const std::vector<int32_t>& boxes) const {
    return plan.packing(boxes);
}

int32_t FeatureMeter::connectivity(const std::vector<uint8_t>& occupied) {
    int32_t man_area = 0;
    return connectivity(occupied, SolverBoard::no_square, man_area);
}

// Stretches are found in square order, so each is first met at its top-left square.
int32_t FeatureMeter::connectivity(const std::vector<uint8_t>& occupied, int32_t man,
                                   int32_t& man_area) {
    if (stamp == INT32_MAX) {
        std::fill(seen.begin(), seen.end(), 0);
        stamp = 0;
    }
    ++stamp;
    int32_t regions = 0;
    for (int32_t square = 0; square < board.square_count(); ++square) {
        if (!board.is_free(square) || occupied[square] || seen[square] == stamp) continue;
        ++regions;
        // Set anew for each stretch until the man's own has been flooded.
        if (man >= 0 && seen[man] != stamp) man_area = square;
        seen[square] = stamp;
        stack.assign(1, square);
        while (!stack.empty()) {
            const int32_t at = stack.back();
            stack.pop_back();
            for (int direction = 0; direction < 4; ++direction) {
                const int32_t next = board.neighbour(at, direction);
                if (!board.is_free(next) || occupied[next] || seen[next] == stamp) continue;
                seen[next] = stamp;
                stack.push_back(next);
            }
        }
    }
    return regions;
}
