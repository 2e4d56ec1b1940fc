#pragma once

#include <SDL.h>

#include <cstdint>

#include "gfx/font.h"

// The credit line at the right of the title bar.
extern const char* const credit_text;

// The figures the status bar shows during play.
struct StatusFigures {
    int32_t level_number = 0;
    int32_t moves = 0;
    int32_t pushes = 0;
    int32_t best_moves = 0;  // 0: no best result yet ("Unsolved")
    int32_t best_pushes = 0;
};

void clear_screen(SDL_Surface* screen);
// Fills the play area and tiles the background (if any) over it, never over the bars.
void draw_background(SDL_Surface* screen, SDL_Surface* background, int title_height,
                     int status_height);
void draw_title_bar(SDL_Surface* screen, TFont& big_font, int title_height);
// The status bar with a message in a colour (an empty message leaves it plain black).
void draw_status_message(SDL_Surface* screen, TFont& small_font, int status_height,
                         const char* message, SDL_Color colour);
// The status bar with the level's four figures.
void draw_status_figures(SDL_Surface* screen, TFont& small_font, int status_height,
                         const StatusFigures& figures);
