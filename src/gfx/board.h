#pragma once

#include <SDL.h>

#include "gfx/skin.h"
#include "level/level.h"

// Draws the board centred in the play area (between the bars), walls joined along their rows,
// the man last. -1 and nothing drawn when its top-left corner would fall outside the window.
int draw_board(SDL_Surface* screen, const TSkin& skin, const TPlayLevel& level, int title_height,
               int status_height);

// The tile that stands for the cell at (column, row): walls become their join variant by their
// left and right neighbours.
int tile_for_cell(const TLevel& level, int column, int row);
