#pragma once

#include <cstdint>

// Reads a number of the score file the way atoi does (leading white space, optional sign,
// digits up to the first other character, 0 when there are none), but clamps values beyond
// the 32-bit range instead of leaving them undefined: a hand-edited file must not crash us.
int32_t read_xml_int(const char* text);
