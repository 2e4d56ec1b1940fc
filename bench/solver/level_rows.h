#pragma once

#include "level/common_format.h"
#include "level/level.h"

// The level's rows in the common characters the converter reads, its title without the game's
// leading quote.
CommonLevel as_rows(const TLevel& level);
