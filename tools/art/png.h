#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes width x height pixels of 8-bit red, green, blue and alpha (row 0 at the top) as a PNG
// file; false when the file cannot be written. The image data goes into uncompressed deflate
// blocks, so no compression library is needed: icons stay small enough either way.
bool write_png_rgba(const std::vector<uint8_t>& rgba, int width, int height,
                    const std::string& path);
