#include "gfx/frame.h"

#include <cstdio>

const char* const credit_text = "A box-pushing puzzle";

namespace {

constexpr int bar_margin = 20;       // text keeps this far from the window's left and right
constexpr int status_text_drop = 8;  // the status text's top, below the top of the bar
constexpr int moves_column = 160;
constexpr int pushes_column = 300;

void fill(SDL_Surface* screen, int x, int y, int width, int height, Uint8 r, Uint8 g, Uint8 b) {
    if (width <= 0 || height <= 0) return;
    SDL_Rect area{static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Uint16>(width),
                  static_cast<Uint16>(height)};
    SDL_FillRect(screen, &area, SDL_MapRGB(screen->format, r, g, b));
}

// Fills the status bar black and gives the top of its text row.
int clear_status_bar(SDL_Surface* screen, int status_height) {
    const int top = screen->h - status_height;
    fill(screen, 0, top, screen->w, status_height, 0, 0, 0);
    return top + status_text_drop;
}

}  // namespace

void clear_screen(SDL_Surface* screen) {
    fill(screen, 0, 0, screen->w, screen->h, 0, 0, 0);
}

void draw_background(SDL_Surface* screen, SDL_Surface* background, int title_height,
                     int status_height) {
    const int area_width = screen->w;
    const int area_height = screen->h - title_height - status_height;
    // A window lower than the two bars has no play area at all.
    if (area_width <= 0 || area_height <= 0) return;
    fill(screen, 0, title_height, area_width, area_height, 20, 20, 20);
    // An empty image cannot be tiled; it leaves the plain fill like a missing one.
    if (background == nullptr || background->w <= 0 || background->h <= 0) return;

    SDL_Rect play_area{0, static_cast<Sint16>(title_height), static_cast<Uint16>(area_width),
                       static_cast<Uint16>(area_height)};
    SDL_SetClipRect(screen, &play_area);
    const int rows = (area_height + background->h - 1) / background->h;
    const int columns = (area_width + background->w - 1) / background->w;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            // A fresh rectangle for every blit: clipping shrinks the one it is given.
            SDL_Rect destination{static_cast<Sint16>(column * background->w),
                                 static_cast<Sint16>(title_height + row * background->h), 0, 0};
            SDL_BlitSurface(background, nullptr, screen, &destination);
        }
    }
    SDL_SetClipRect(screen, nullptr);
}

void draw_title_bar(SDL_Surface* screen, TFont& big_font, int title_height) {
    fill(screen, 0, 0, screen->w, title_height, 0, 0, 0);
    big_font.draw_blended(screen, bar_margin, 0, "Pushwell");
    big_font.draw_aligned(screen, screen->w - bar_margin, 0, white, right, credit_text);
}

void draw_status_message(SDL_Surface* screen, TFont& small_font, int status_height,
                         const char* message, SDL_Color colour) {
    const int text_top = clear_status_bar(screen, status_height);
    if (message != nullptr) small_font.draw_blended(screen, bar_margin, text_top, colour, message);
}

void draw_status_figures(SDL_Surface* screen, TFont& small_font, int status_height,
                         const StatusFigures& figures) {
    const int text_top = clear_status_bar(screen, status_height);
    char text[64];
    std::snprintf(text, sizeof text, "Level: %d", figures.level_number);
    small_font.draw_blended(screen, bar_margin, text_top, text);
    std::snprintf(text, sizeof text, "Moves: %d", figures.moves);
    small_font.draw_blended(screen, moves_column, text_top, text);
    std::snprintf(text, sizeof text, "Pushes: %d", figures.pushes);
    small_font.draw_blended(screen, pushes_column, text_top, text);
    if (figures.best_moves > 0) {
        std::snprintf(text, sizeof text, "Highscore: %d / %d", figures.best_moves,
                      figures.best_pushes);
    } else {
        std::snprintf(text, sizeof text, "Unsolved");
    }
    small_font.draw_aligned(screen, screen->w - bar_margin, text_top, white, right, text);
}
