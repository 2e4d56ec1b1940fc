#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes width x height pixels of 8-bit red, green, blue and alpha (row 0 at the top) as a PNG
// file, atomically; false when the file cannot be written. A picture with no transparent pixel
// is written without its alpha channel. The same pixels always give the same bytes.
bool write_png_rgba(const std::vector<uint8_t>& rgba, int width, int height,
                    const std::string& path);
