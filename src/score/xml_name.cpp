#include "score/xml_name.h"

#include <cstdio>

#include "score/utf8.h"

namespace {

bool is_continuation(unsigned char byte) {
    return byte >= 0x80 && byte <= 0xBF;
}

void append_reference(std::string& out, unsigned code_point) {
    char reference[16];
    std::snprintf(reference, sizeof reference, "&#x%02X;", code_point);
    out += reference;
}

constexpr unsigned escaped_byte_base = 0xDC00;

}  // namespace

std::string escape_attribute_value(const std::string& value) {
    std::string out;
    for (size_t at = 0; at < value.size();) {
        const unsigned char c = static_cast<unsigned char>(value[at]);
        const size_t length = c == 0 ? 0 : utf8_sequence_length(value.data(), value.size(), at);
        if (length == 0) {
            append_reference(out, escaped_byte_base + c);
            ++at;
            continue;
        }
        if (length > 1) {
            out.append(value, at, length);
        } else if (c == '&') {
            out += "&amp;";
        } else if (c == '<') {
            out += "&lt;";
        } else if (c == '>') {
            out += "&gt;";
        } else if (c == '"') {
            out += "&quot;";
        } else if (c == '\'') {
            out += "&apos;";
        } else if (c < 0x20) {
            // Raw tabs and line breaks would be normalised away by the parser.
            append_reference(out, c);
        } else {
            out += static_cast<char>(c);
        }
        at += length;
    }
    return out;
}

std::string restore_name_bytes(const std::string& decoded) {
    // U+DC00 is ED B0 80 in UTF-8; U+DC80 to U+DCFF are ED B2 80 to ED B3 BF.
    std::string out;
    for (size_t at = 0; at < decoded.size(); ++at) {
        if (at + 2 < decoded.size() && static_cast<unsigned char>(decoded[at]) == 0xED) {
            const auto second = static_cast<unsigned char>(decoded[at + 1]);
            const auto third = static_cast<unsigned char>(decoded[at + 2]);
            if (is_continuation(third) &&
                (second == 0xB2 || second == 0xB3 || (second == 0xB0 && third == 0x80))) {
                const unsigned code_point = 0xD000 | ((second & 0x3Fu) << 6) | (third & 0x3Fu);
                out += static_cast<char>(code_point - escaped_byte_base);
                at += 2;
                continue;
            }
        }
        out += decoded[at];
    }
    return out;
}
