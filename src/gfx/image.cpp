#include <cstdio>

#include "gfx/skin.h"

SDL_Surface* load_image(const char* path) {
    SDL_Surface* loaded = SDL_LoadBMP_RW(SDL_RWFromFile(path, "rb"), 1);
    if (loaded == nullptr) {
        std::fprintf(stderr, "load_image: error opening %s\n", path);
        return nullptr;
    }
    // The conversion needs an open window and memory; without them there is no image either.
    SDL_Surface* converted = SDL_DisplayFormat(loaded);
    SDL_FreeSurface(loaded);
    if (converted == nullptr)
        std::fprintf(stderr, "load_image: error converting %s: %s\n", path, SDL_GetError());
    return converted;
}
