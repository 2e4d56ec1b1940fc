#pragma once

#include <cstddef>

// Length of the well-formed UTF-8 sequence that starts at text[at] (at < size), or 0 when the
// byte there does not start one within the text. Overlong forms, surrogates and code points
// past U+10FFFF are not well-formed.
size_t utf8_sequence_length(const char* text, size_t size, size_t at);
