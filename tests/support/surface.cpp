#include "support/surface.h"

Uint32 pixel(SDL_Surface* surface, int x, int y) {
    return static_cast<const Uint32*>(surface->pixels)[x + y * surface->pitch / 4];
}

SurfacePtr snapshot(SDL_Surface* surface) {
    const SDL_PixelFormat* format = surface->format;
    SurfacePtr copy(SDL_CreateRGBSurface(SDL_SWSURFACE, surface->w, surface->h, 32, format->Rmask,
                                         format->Gmask, format->Bmask, format->Amask));
    SDL_BlitSurface(surface, nullptr, copy.get(), nullptr);
    return copy;
}
