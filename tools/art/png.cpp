#include "png.h"

#include <zlib.h>

#include <algorithm>
#include <cstdlib>

#include "file/atomic_file.h"

namespace {

// `raw` as the zlib stream PNG stores: the same bytes always give the same stream, so pictures
// made twice compare equal byte for byte.
std::vector<uint8_t> zlib_compress(const std::vector<uint8_t>& raw) {
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    std::vector<uint8_t> packed(size);
    if (compress2(packed.data(), &size, raw.data(), static_cast<uLong>(raw.size()),
                  Z_BEST_COMPRESSION) != Z_OK)
        return {};
    packed.resize(size);
    return packed;
}

void put_be32(std::vector<uint8_t>& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back((value >> shift) & 0xff);
}

// One chunk: length, type, data, and the CRC over type and data.
void put_chunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data) {
    put_be32(out, static_cast<uint32_t>(data.size()));
    const size_t type_at = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    put_be32(out, static_cast<uint32_t>(
                      crc32(0, out.data() + type_at, static_cast<uInt>(out.size() - type_at))));
}

int paeth(int left, int up, int up_left) {
    const int guess = left + up - up_left;
    const int to_left = std::abs(guess - left);
    const int to_up = std::abs(guess - up);
    const int to_up_left = std::abs(guess - up_left);
    if (to_left <= to_up && to_left <= to_up_left) return left;
    return to_up <= to_up_left ? up : up_left;
}

// One row under PNG filter `type` (0 none, 1 sub, 2 up, 4 paeth): each byte less its
// prediction from the pixel to the left, the one above, or the better of them.
void filter_row(int type, const uint8_t* row, const uint8_t* above, size_t length, int pixel,
                uint8_t* out) {
    for (size_t i = 0; i < length; ++i) {
        const int left = i >= size_t(pixel) ? row[i - pixel] : 0;
        const int up = above ? above[i] : 0;
        const int up_left = above && i >= size_t(pixel) ? above[i - pixel] : 0;
        int prediction = 0;
        if (type == 1) prediction = left;
        if (type == 2) prediction = up;
        if (type == 4) prediction = paeth(left, up, up_left);
        out[i] = static_cast<uint8_t>(row[i] - prediction);
    }
}

// The rows, each under the filter whose bytes lie nearest zero (the usual rule of thumb for
// what compresses best), led by its type byte.
std::vector<uint8_t> filtered_rows(const std::vector<uint8_t>& pixels, int width, int height,
                                   int pixel) {
    const size_t length = size_t(width) * pixel;
    std::vector<uint8_t> raw;
    raw.reserve((length + 1) * height);
    std::vector<uint8_t> trial(length), best(length);
    for (int y = 0; y < height; ++y) {
        const uint8_t* row = pixels.data() + y * length;
        const uint8_t* above = y > 0 ? row - length : nullptr;
        long best_cost = -1;
        int best_type = 0;
        for (int type : {0, 1, 2, 4}) {
            filter_row(type, row, above, length, pixel, trial.data());
            long cost = 0;
            for (uint8_t byte : trial) cost += byte < 128 ? byte : 256 - byte;
            if (best_cost < 0 || cost < best_cost) {
                best_cost = cost;
                best_type = type;
                best.swap(trial);
            }
        }
        raw.push_back(static_cast<uint8_t>(best_type));
        raw.insert(raw.end(), best.begin(), best.end());
    }
    return raw;
}

}  // namespace

bool write_png_rgba(const std::vector<uint8_t>& rgba, int width, int height,
                    const std::string& path) {
    if (width <= 0 || height <= 0 || rgba.size() != size_t(width) * height * 4) return false;
    bool opaque = true;
    for (size_t i = 3; i < rgba.size() && opaque; i += 4) opaque = rgba[i] == 255;
    std::vector<uint8_t> pixels;
    if (opaque) {
        pixels.reserve(size_t(width) * height * 3);
        for (size_t i = 0; i < rgba.size(); i += 4) {
            pixels.insert(pixels.end(), rgba.begin() + i, rgba.begin() + i + 3);
        }
    }
    const int pixel = opaque ? 3 : 4;
    std::vector<uint8_t> header;
    put_be32(header, width);
    put_be32(header, height);
    // 8 bits, RGB or RGBA, deflate, adaptive filters, no interlace.
    header.insert(header.end(), {8, static_cast<uint8_t>(opaque ? 2 : 6), 0, 0, 0});
    std::vector<uint8_t> file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    put_chunk(file, "IHDR", header);
    const std::vector<uint8_t> packed =
        zlib_compress(filtered_rows(opaque ? pixels : rgba, width, height, pixel));
    if (packed.empty()) return false;
    put_chunk(file, "IDAT", packed);
    put_chunk(file, "IEND", {});
    return write_file_atomically(path, std::string(file.begin(), file.end())).ok();
}
