#pragma once

#include <SDL.h>

// The game's shared text colours. SDL_Color keeps red first, so a colour read as a
// little-endian integer has red in its lowest byte.
constexpr SDL_Color white{255, 255, 255, 0};
constexpr SDL_Color black{0, 0, 0, 0};
constexpr SDL_Color red{255, 0, 0, 0};       // the highlighted item of a menu or list
constexpr SDL_Color grey{128, 128, 128, 0};  // the version line of the menu screens
