#pragma once

#include <SDL.h>
#include <SDL_ttf.h>

#include "gfx/colours.h"

enum TextMode { solid = 0, shaded = 1, blended = 2 };
enum TextAlign { left = 0, right = 1, centre = 2 };

// One TrueType font at one point size. Text is Latin-1, one byte per character.
class TFont {
  public:
    // 0, or -1 when the font cannot be opened. The font's own colour becomes white.
    int open(const char* path, int point_size);
    // Must run before the font engine shuts down.
    void close();

    // x is the left edge, the right edge or the middle of the text by `align`; y is its top.
    // Text that renders to nothing, or lies beyond the surface's 16-bit coordinates, is not drawn.
    void draw(SDL_Surface* surface, int x, int y, SDL_Color colour, SDL_Color background, int mode,
              int align, const char* text);

    void draw_solid(SDL_Surface* surface, int x, int y, SDL_Color colour, const char* text);
    void draw_shaded(SDL_Surface* surface, int x, int y, SDL_Color colour, SDL_Color background,
                     const char* text);
    void draw_blended(SDL_Surface* surface, int x, int y, SDL_Color colour, const char* text);
    void draw_blended(SDL_Surface* surface, int x, int y, const char* text);
    void draw_aligned(SDL_Surface* surface, int x, int y, SDL_Color colour, int align,
                      const char* text);

    TTF_Font* font = nullptr;
    SDL_Color colour = white;
};
