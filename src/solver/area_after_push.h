#pragma once

#include <cstdint>
#include <vector>

#include "solver/board.h"
#include "solver/man_walk.h"

// The top-left square of the man's area after he pushes the box on `from` one step in
// `direction` onto `to`, found from `walk` of the position before the push (the man on `man`,
// his area's top-left `top_left`) without walking again; `occupied` already shows the push.
// The area gains `from` and loses `to`, and that is all when nothing new is joined through
// `from` and `to` was not the only link between parts of the area (its open neighbours stay
// joined round it). SolverBoard::no_square when that cannot be told so quickly: then only a
// walk from `from` tells.
int32_t area_after_push(const SolverBoard& board, const std::vector<uint8_t>& occupied,
                        const ManWalk& walk, int32_t man, int32_t top_left, int32_t from,
                        int32_t to, int direction);
