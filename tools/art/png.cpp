#include "png.h"

#include <algorithm>

#include "file/atomic_file.h"

namespace {

// The checksums of PNG chunks (CRC-32) and of zlib streams (Adler-32).
uint32_t png_crc32(const uint8_t* data, size_t size) {
    uint32_t crc = ~0u;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

uint32_t zlib_adler32(const uint8_t* data, size_t size) {
    uint32_t a = 1, b = 0;
    for (size_t i = 0; i < size; ++i) {
        a = (a + data[i]) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
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
    put_be32(out, png_crc32(out.data() + type_at, out.size() - type_at));
}

// A zlib stream of stored deflate blocks (at most 65535 bytes each) holding `raw`.
std::vector<uint8_t> zlib_stored(const std::vector<uint8_t>& raw) {
    std::vector<uint8_t> out = {0x78, 0x01};  // deflate, 32K window, no preset dictionary
    size_t at = 0;
    do {
        const size_t length = std::min<size_t>(raw.size() - at, 65535);
        const bool last = at + length == raw.size();
        out.push_back(last ? 1 : 0);
        out.push_back(length & 0xff);
        out.push_back(length >> 8);
        out.push_back(~length & 0xff);
        out.push_back((~length >> 8) & 0xff);
        out.insert(out.end(), raw.begin() + at, raw.begin() + at + length);
        at += length;
    } while (at < raw.size());
    put_be32(out, zlib_adler32(raw.data(), raw.size()));
    return out;
}

}  // namespace

bool write_png_rgba(const std::vector<uint8_t>& rgba, int width, int height,
                    const std::string& path) {
    if (width <= 0 || height <= 0 || rgba.size() != size_t(width) * height * 4) return false;
    std::vector<uint8_t> header;
    put_be32(header, width);
    put_be32(header, height);
    header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, adaptive, no interlace
    // Every row starts with filter type 0: the bytes as they are.
    std::vector<uint8_t> raw;
    raw.reserve(rgba.size() + height);
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);
        raw.insert(raw.end(), rgba.begin() + size_t(y) * width * 4,
                   rgba.begin() + size_t(y + 1) * width * 4);
    }
    std::vector<uint8_t> file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    put_chunk(file, "IHDR", header);
    put_chunk(file, "IDAT", zlib_stored(raw));
    put_chunk(file, "IEND", {});
    return write_file_atomically(path, std::string(file.begin(), file.end())).ok();
}
