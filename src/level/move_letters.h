#pragma once

#include <cstdint>
#include <string_view>

#include "level/level.h"

// How a solution is written: one letter a move, l r u d a step left, right, up or down and
// L R U D a push. The checker prints it, the tools and tests replay it.

// The letter of a move in direction index 0..3 (see level/directions.h).
char move_letter(int direction_index, bool push);

// The direction index and push of a letter; false for a letter that is no move.
bool read_move_letter(char letter, int& direction_index, bool& push);

// Plays the path on the level as it stands through the game's own rules. True when every letter
// is accepted as the step or push it claims to be; the level is left where the last accepted
// letter left it.
bool play_moves(TPlayLevel& level, std::string_view path);

// Plays the path on a copy of the level through the game's own rules. True when every letter
// is accepted as the step or push it claims to be and the level ends solved; the counts are
// those the game saw (both 0 when a letter is refused).
bool replay_moves(const TLevel& level, std::string_view path, int32_t& moves, int32_t& pushes);
