#include "score/score_text.h"

#include <fcntl.h>
#include <tinyxml.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "score/utf8.h"

namespace {

bool is_well_formed_utf8(const char* text, size_t length) {
    for (size_t at = 0; at < length;) {
        const size_t step = utf8_sequence_length(text, length, at);
        if (step == 0) return false;
        at += step;
    }
    return true;
}

// Where `marker` next begins at or after `at`, or `length` when it does not.
size_t find(const char* text, size_t length, size_t at, const char* marker) {
    const size_t size = std::strlen(marker);
    const char* found = std::search(text + at, text + length, marker, marker + size);
    return static_cast<size_t>(found - text);
}

bool starts_with(const char* text, size_t length, size_t at, const char* marker) {
    const size_t size = std::strlen(marker);
    return length - at >= size && std::memcmp(text + at, marker, size) == 0;
}

// The deepest nesting of elements, as the parser will descend into them. Comments, CDATA and
// other "<!" blocks hold no elements; a tag's quoted values may hold "<", ">" and "/" of their
// own. Where this reading and the parser's could differ, the parser meets a syntax error and
// stops before going any deeper.
int element_depth(const char* text, size_t length) {
    int depth = 0;
    int deepest = 0;
    size_t at = 0;
    while ((at = find(text, length, at, "<")) < length) {
        if (starts_with(text, length, at, "<!--")) {
            at = find(text, length, at + 4, "-->") + 3;
            continue;
        }
        if (starts_with(text, length, at, "<![CDATA[")) {
            at = find(text, length, at + 9, "]]>") + 3;
            continue;
        }
        if (starts_with(text, length, at, "<!")) {
            at = find(text, length, at, ">") + 1;
            continue;
        }
        const bool closing = starts_with(text, length, at, "</");
        const bool declaration = starts_with(text, length, at, "<?");
        // To the end of the tag, passing over quoted values.
        char last = 0;
        for (++at; at < length && text[at] != '>'; ++at) {
            if (text[at] == '"' || text[at] == '\'') {
                const char quote = text[at];
                at = std::find(text + at + 1, text + length, quote) - text;
                if (at == length) break;
            }
            last = text[at];
        }
        ++at;
        if (closing) {
            depth = std::max(depth - 1, 0);
        } else if (!declaration && last != '/') {
            deepest = std::max(deepest, ++depth);
        }
    }
    return deepest;
}

// CR LF and a lone CR become LF, in place; returns the new length.
size_t normalise_line_ends(char* text, size_t length) {
    size_t out = 0;
    for (size_t in = 0; in < length; ++in) {
        if (text[in] == '\r') {
            text[out++] = '\n';
            if (in + 1 < length && text[in + 1] == '\n') ++in;
        } else {
            text[out++] = text[in];
        }
    }
    std::fill(text + out, text + length, '\0');
    return out;
}

}  // namespace

bool read_score_text(const std::string& path, std::string& text) {
    const int descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) return false;
    text.clear();
    char block[1 << 16];
    for (;;) {
        const ssize_t got = read(descriptor, block, sizeof block);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            close(descriptor);
            return false;
        }
        if (got == 0) break;
        text.append(block, static_cast<size_t>(got));
    }
    close(descriptor);
    text.append(score_text_padding, '\0');
    return true;
}

bool parse_score_text(TiXmlDocument& document, char* text, size_t length) {
    if (length == 0 || !is_well_formed_utf8(text, length) ||
        element_depth(text, length) > max_score_nesting)
        return false;
    length = normalise_line_ends(text, length);
    document.Parse(text, nullptr, TIXML_ENCODING_UTF8);
    return !document.Error();
}
