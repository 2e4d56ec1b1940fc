#include "surface_png.h"

#include <cstdint>
#include <vector>

#include "png.h"

bool write_surface_png(SDL_Surface* surface, const std::string& path) {
    if (surface->format->BytesPerPixel != 4 || SDL_LockSurface(surface) != 0) return false;
    std::vector<uint8_t> rgba;
    rgba.reserve(size_t(surface->w) * surface->h * 4);
    for (int y = 0; y < surface->h; ++y) {
        const auto* row = reinterpret_cast<const Uint32*>(
            static_cast<const Uint8*>(surface->pixels) + size_t(y) * surface->pitch);
        for (int x = 0; x < surface->w; ++x) {
            Uint8 r, g, b;
            SDL_GetRGB(row[x], surface->format, &r, &g, &b);
            rgba.insert(rgba.end(), {r, g, b, 255});
        }
    }
    SDL_UnlockSurface(surface);
    return write_png_rgba(rgba, surface->w, surface->h, path);
}
