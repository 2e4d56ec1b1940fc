#pragma once

#include <SDL.h>

#include <memory>

struct SurfaceDeleter {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
// A surface the test made, freed when it goes out of scope.
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

// A copy in the same 32-bit pixel format, to compare against later.
SurfacePtr snapshot(SDL_Surface* surface);
// The raw value of a pixel of a 32-bit surface.
Uint32 pixel(SDL_Surface* surface, int x, int y);
