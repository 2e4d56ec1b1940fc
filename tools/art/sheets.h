#pragma once

#include "raster.h"

// A skin bitmap: a 6 x 2 grid of square tiles of tile_size pixels. Row 0: floor, target, box,
// box on target, man, man on target; row 1: wall, wall joined right, joined both sides, joined
// left, and two unused black cells.
Raster draw_skin_sheet(int tile_size);

// The quiet dark texture behind the board, size x size pixels; it tiles without seams.
Raster draw_background_texture(int size);
