#pragma once

#include <SDL.h>

#include "level/cell.h"

// Loads a BMP file in the window's pixel format; null (with a message on standard error)
// when it cannot be loaded.
SDL_Surface* load_image(const char* path);

// One tile set, cut from a skin bitmap: a 6 x 2 grid of tiles, code c in slot c - 1.
class TSkin {
  public:
    TSkin() = default;
    TSkin(const TSkin&) = delete;
    TSkin& operator=(const TSkin&) = delete;
    ~TSkin();

    // 0, or -1 when the bitmap cannot be loaded or a tile cannot be made.
    int load(int tile_width, int tile_height, int depth, const char* path);
    // 0 when a tile was drawn; -1 for code 0 or any code outside 1 to 10.
    int draw_tile(int code, SDL_Surface* target, int x, int y) const;
    int tile_width() const { return width; }
    int tile_height() const { return height; }

    int width = 0;
    int height = 0;
    SDL_Surface* tiles[10] = {};
};

// The first skin (they are ordered largest first) with which a board of columns x rows fits
// an area of area_width x area_height pixels, or -1 when none fits.
int fitting_skin(const TSkin* skins, int skin_count, int columns, int rows, int area_width,
                 int area_height);
