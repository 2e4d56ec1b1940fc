#pragma once

#include <functional>
#include <string>
#include <vector>

#include "paint.h"

// A picture being made: width x height colours, row 0 at the top.
struct Raster {
    Raster(int width, int height) : width(width), height(height), pixels(width * height) {}
    Rgb& at(int x, int y) { return pixels[x + y * width]; }
    const Rgb& at(int x, int y) const { return pixels[x + y * width]; }

    int width;
    int height;
    std::vector<Rgb> pixels;
};

// Paints a size x size square at (left, top) from a picture defined on 0..1 x 0..1 (the second
// argument grows downwards); each pixel is the average of samples x samples points inside it,
// which smooths every edge.
using UnitPicture = std::function<Rgb(float u, float v)>;
void paint_square(Raster& raster, int left, int top, int size, int samples,
                  const UnitPicture& picture);

// Writes an uncompressed 24-bit Windows bitmap; false when the file cannot be written.
bool write_bmp(const Raster& raster, const std::string& path);
