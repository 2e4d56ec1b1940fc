#pragma once

#include <cstddef>
#include <string>

class TiXmlDocument;

// The XML parser steps over a multi-byte character by the length its first byte announces, so
// a text that ends inside one makes it read past the end; and it descends one call per level
// of nesting. It is therefore only ever handed text that has neither fault, in a buffer with
// this many zero bytes after the end.
constexpr size_t score_text_padding = 4;
// Deepest nesting of elements taken: the file needs two (Collection, Level), the rest is room
// for hand-edited files.
constexpr int max_score_nesting = 16;

// Reads the whole file at `path` into `text`, followed by score_text_padding zero bytes that
// are not part of text.size() - score_text_padding. False when it cannot be opened or read.
bool read_score_text(const std::string& path, std::string& text);

// Parses the `length` bytes at `text`, which must be followed by score_text_padding zero bytes.
// Line ends are first made line feeds in place, as the parser's own file loading does. False,
// without parsing, for text that is not well-formed UTF-8 or nests elements deeper than
// max_score_nesting; false also for an empty text and for what the parser rejects.
bool parse_score_text(TiXmlDocument& document, char* text, size_t length);
