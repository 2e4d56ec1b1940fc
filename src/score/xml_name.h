#pragma once

#include <string>

// Collection names are file names: any bytes, not necessarily UTF-8, while the score file is
// read as UTF-8. A byte that cannot stand for itself there (NUL, or a byte outside a
// well-formed UTF-8 sequence, such as a Latin-1 letter) is written as the character reference
// of U+DC00 plus the byte, a code point that well-formed UTF-8 never holds, so reading can
// turn it back into the same byte without mistaking any real character for it.

// The text of a double-quoted attribute value that reads back as `value`.
std::string escape_attribute_value(const std::string& value);

// Turns the escaped bytes of an attribute value, as the parser decoded them, back into the
// raw bytes of the name.
std::string restore_name_bytes(const std::string& decoded);
