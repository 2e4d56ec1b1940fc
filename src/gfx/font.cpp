#include "gfx/font.h"

#include <cstdint>

namespace {

// SDL_Rect holds 16-bit positions: a larger one would wrap around and land somewhere else.
bool fits_rect_position(int value) {
    return value >= INT16_MIN && value <= INT16_MAX;
}

SDL_Surface* render(TTF_Font* font, int mode, const char* text, SDL_Color colour,
                    SDL_Color background) {
    switch (mode) {
        case solid:
            return TTF_RenderText_Solid(font, text, colour);
        case shaded:
            return TTF_RenderText_Shaded(font, text, colour, background);
        case blended:
            return TTF_RenderText_Blended(font, text, colour);
        default:
            return nullptr;
    }
}

}  // namespace

int TFont::open(const char* path, int point_size) {
    TTF_Font* opened = TTF_OpenFont(path, point_size);
    if (opened == nullptr) return -1;
    close();  // reopening must not leak the font held before
    font = opened;
    colour = white;
    return 0;
}

void TFont::close() {
    if (font != nullptr) TTF_CloseFont(font);
    font = nullptr;
}

void TFont::draw(SDL_Surface* surface, int x, int y, SDL_Color colour, SDL_Color background,
                 int mode, int align, const char* text) {
    if (font == nullptr || surface == nullptr || text == nullptr) return;
    // The font engine gives no surface for the empty string (its width is zero) or on failure.
    SDL_Surface* rendered = render(font, mode, text, colour, background);
    if (rendered == nullptr) return;

    int left = x;
    if (align == right) {
        left -= rendered->w;
    } else if (align == centre) {
        left -= rendered->w / 2;
    }
    if (fits_rect_position(left) && fits_rect_position(y)) {
        SDL_Rect destination{static_cast<Sint16>(left), static_cast<Sint16>(y), 0, 0};
        SDL_BlitSurface(rendered, nullptr, surface, &destination);
    }
    SDL_FreeSurface(rendered);
}

void TFont::draw_solid(SDL_Surface* surface, int x, int y, SDL_Color colour, const char* text) {
    draw(surface, x, y, colour, black, solid, left, text);
}

void TFont::draw_shaded(SDL_Surface* surface, int x, int y, SDL_Color colour, SDL_Color background,
                        const char* text) {
    draw(surface, x, y, colour, background, shaded, left, text);
}

void TFont::draw_blended(SDL_Surface* surface, int x, int y, SDL_Color colour, const char* text) {
    draw(surface, x, y, colour, black, blended, left, text);
}

void TFont::draw_blended(SDL_Surface* surface, int x, int y, const char* text) {
    draw(surface, x, y, colour, black, blended, left, text);
}

void TFont::draw_aligned(SDL_Surface* surface, int x, int y, SDL_Color colour, int align,
                         const char* text) {
    draw(surface, x, y, colour, black, blended, align, text);
}
