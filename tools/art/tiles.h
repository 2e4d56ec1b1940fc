#pragma once

#include "paint.h"

// The picture of the tile with the given code (a board cell code, or one of the drawing-only
// codes for the man and the wall pieces) at (u, v) in tile units. `pixel` is the size of one
// pixel in tile units at the size being drawn, so that thin lines stay visible on small tiles.
// Codes without a picture are black.
Rgb tile_picture(int code, float u, float v, float pixel);
