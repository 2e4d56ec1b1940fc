#pragma once

#include <SDL.h>

#include <string>

// Writes a 32-bit surface as an opaque PNG file (see png.h); false when the surface has another
// depth or the file cannot be written.
bool write_surface_png(SDL_Surface* surface, const std::string& path);
