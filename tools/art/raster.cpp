#include "raster.h"

#include <cmath>
#include <cstdint>
#include <ostream>
#include <sstream>

#include "file/atomic_file.h"

void paint_square(Raster& raster, int left, int top, int size, int samples,
                  const UnitPicture& picture) {
    const float sample_weight = 1.0f / (samples * samples);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            Rgb sum;
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    const float u = (x + (sx + 0.5f) / samples) / size;
                    const float v = (y + (sy + 0.5f) / samples) / size;
                    const Rgb sample = picture(u, v);
                    sum.r += sample.r;
                    sum.g += sample.g;
                    sum.b += sample.b;
                }
            }
            raster.at(left + x, top + y) = {sum.r * sample_weight, sum.g * sample_weight,
                                            sum.b * sample_weight};
        }
    }
}

namespace {

void put_le(std::ostream& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.put(static_cast<char>((value >> (8 * i)) & 0xff));
}

uint8_t to_byte(float channel) {
    return static_cast<uint8_t>(std::lround(clamp01(channel) * 255.0f));
}

bool write_bmp_stream(const Raster& raster, std::ostream& out) {
    const uint32_t row_bytes = (raster.width * 3 + 3) / 4 * 4;  // rows pad to 4 bytes
    const uint32_t pixel_bytes = row_bytes * raster.height;
    const uint32_t header_bytes = 14 + 40;
    // File header.
    out.put('B');
    out.put('M');
    put_le(out, header_bytes + pixel_bytes, 4);
    put_le(out, 0, 4);
    put_le(out, header_bytes, 4);
    // Info header: bottom-up rows, one plane, 24 bits, no compression, 72 dpi.
    put_le(out, 40, 4);
    put_le(out, raster.width, 4);
    put_le(out, raster.height, 4);
    put_le(out, 1, 2);
    put_le(out, 24, 2);
    put_le(out, 0, 4);
    put_le(out, pixel_bytes, 4);
    put_le(out, 2835, 4);
    put_le(out, 2835, 4);
    put_le(out, 0, 4);
    put_le(out, 0, 4);
    for (int y = raster.height - 1; y >= 0; --y) {
        for (int x = 0; x < raster.width; ++x) {
            const Rgb& pixel = raster.at(x, y);
            out.put(static_cast<char>(to_byte(pixel.b)));
            out.put(static_cast<char>(to_byte(pixel.g)));
            out.put(static_cast<char>(to_byte(pixel.r)));
        }
        for (uint32_t pad = raster.width * 3; pad < row_bytes; ++pad) out.put(0);
    }
    out.flush();
    return static_cast<bool>(out);
}

}  // namespace

bool write_bmp(const Raster& raster, const std::string& path) {
    // Replaced whole, so that a game or test reading the data directory (or another build
    // writing it) never sees half a file.
    std::ostringstream bytes;
    return write_bmp_stream(raster, bytes) && write_file_atomically(path, bytes.str());
}
