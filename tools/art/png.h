#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes width x height pixels of 8-bit red, green, blue and alpha (row 0 at the top) as a PNG
// file; false when the file cannot be written. The image data goes into uncompressed deflate
// blocks, so no compression library is needed: icons stay small enough either way.
bool write_png_rgba(const std::vector<uint8_t>& rgba, int width, int height,
                    const std::string& path);

// The checksums PNG and zlib streams carry, exposed for the tests.
uint32_t png_crc32(const uint8_t* data, size_t size, uint32_t crc = 0);
uint32_t zlib_adler32(const uint8_t* data, size_t size, uint32_t adler = 1);
