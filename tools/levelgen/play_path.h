#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "level/level.h"

// A shortest walk (letters l r u d) that takes the man from where he stands to (column, row)
// without moving a box; nothing when the boxes and walls shut him off from it.
std::optional<std::string> walk_to(const TPlayLevel& level, int32_t column, int32_t row);

// True when the letters, played from the level's start, are all taken and leave it solved.
bool replay_solves(const TLevel& level, const std::string& letters);
