#pragma once

#include <cstdint>
#include <optional>
#include <utility>

#include "level/level.h"
#include "solver/solver.h"

// The plain way to the optimum: a uniform-cost search over every (boxes, man square) position,
// one step at a time through the game's own move(), with no pruning, no estimate and no
// normalising. Slow, but small levels are proven beyond doubt. The pair is (pushes, moves)
// for Optimise::pushes and (moves, pushes) for Optimise::moves; nothing when unsolvable.
std::optional<std::pair<int32_t, int32_t>> reference_optimum(const TLevel& level,
                                                             Optimise optimise);
