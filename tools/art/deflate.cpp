#include "deflate.h"

#include <algorithm>
#include <cstddef>

namespace {

constexpr int min_match = 3;
constexpr int max_match = 258;
constexpr size_t window = 32768;
constexpr int hash_bits = 15;
// How many earlier places with the same three bytes are tried: enough for the repeated tiles and
// rows of our pictures, few enough to stay quick.
constexpr int chain_limit = 48;

constexpr int length_base[29] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                 31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr int length_extra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                  2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr int distance_base[30] = {1,    2,    3,    4,    5,    7,    9,    13,    17,    25,
                                   33,   49,   65,   97,   129,  193,  257,  385,   513,   769,
                                   1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr int distance_extra[30] = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                    6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

// Deflate packs bits from the least significant end of each byte.
class BitWriter {
  public:
    explicit BitWriter(std::vector<uint8_t>& out) : out(out) {}
    void put(uint32_t value, int count) {
        bits |= value << filled;
        filled += count;
        while (filled >= 8) {
            out.push_back(bits & 0xff);
            bits >>= 8;
            filled -= 8;
        }
    }
    // Huffman codes go most significant bit first.
    void put_code(uint32_t code, int length) {
        uint32_t reversed = 0;
        for (int i = 0; i < length; ++i) reversed |= ((code >> i) & 1u) << (length - 1 - i);
        put(reversed, length);
    }
    void flush() {
        if (filled > 0) out.push_back(bits & 0xff);
        bits = 0;
        filled = 0;
    }

  private:
    std::vector<uint8_t>& out;
    uint32_t bits = 0;
    int filled = 0;
};

// A literal byte, the end of the block (256) or a length code (257 to 285), in the fixed codes.
void put_symbol(BitWriter& bits, int symbol) {
    if (symbol < 144)
        bits.put_code(0x30 + symbol, 8);
    else if (symbol < 256)
        bits.put_code(0x190 + symbol - 144, 9);
    else if (symbol < 280)
        bits.put_code(symbol - 256, 7);
    else
        bits.put_code(0xc0 + symbol - 280, 8);
}

void put_match(BitWriter& bits, int length, int distance) {
    int code = 28;
    while (length_base[code] > length) --code;
    put_symbol(bits, 257 + code);
    bits.put(length - length_base[code], length_extra[code]);
    code = 29;
    while (distance_base[code] > distance) --code;
    bits.put_code(code, 5);
    bits.put(distance - distance_base[code], distance_extra[code]);
}

uint32_t hash3(const uint8_t* p) {
    return ((p[0] << 10) ^ (p[1] << 5) ^ p[2]) & ((1u << hash_bits) - 1);
}

uint32_t zlib_adler32(const std::vector<uint8_t>& data) {
    uint32_t a = 1, b = 0;
    for (uint8_t byte : data) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

}  // namespace

std::vector<uint8_t> zlib_compress(const std::vector<uint8_t>& raw) {
    std::vector<uint8_t> out = {0x78, 0x01};  // deflate, 32K window, no preset dictionary
    BitWriter bits(out);
    bits.put(1, 1);  // the last block
    bits.put(1, 2);  // fixed Huffman codes
    // head: the latest place of each hash (+1, 0 for none); previous: the place before it.
    std::vector<uint32_t> head(size_t(1) << hash_bits, 0);
    std::vector<uint32_t> previous(raw.size(), 0);
    const size_t size = raw.size();
    auto remember = [&](size_t at) {
        if (at + min_match > size) return;
        const uint32_t hash = hash3(&raw[at]);
        previous[at] = head[hash];
        head[hash] = static_cast<uint32_t>(at + 1);
    };
    size_t at = 0;
    while (at < size) {
        int best_length = 0;
        size_t best_distance = 0;
        if (at + min_match <= size) {
            const int longest = static_cast<int>(std::min<size_t>(max_match, size - at));
            uint32_t candidate = head[hash3(&raw[at])];
            for (int tries = 0; candidate != 0 && tries < chain_limit; ++tries) {
                const size_t from = candidate - 1;
                if (at - from > window) break;
                int length = 0;
                while (length < longest && raw[from + length] == raw[at + length]) ++length;
                if (length > best_length) {
                    best_length = length;
                    best_distance = at - from;
                    if (length == longest) break;
                }
                candidate = previous[from];
            }
        }
        if (best_length >= min_match) {
            put_match(bits, best_length, static_cast<int>(best_distance));
            for (int i = 0; i < best_length; ++i) remember(at + i);
            at += best_length;
        } else {
            put_symbol(bits, raw[at]);
            remember(at);
            ++at;
        }
    }
    put_symbol(bits, 256);
    bits.flush();
    const uint32_t adler = zlib_adler32(raw);
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back((adler >> shift) & 0xff);
    return out;
}
