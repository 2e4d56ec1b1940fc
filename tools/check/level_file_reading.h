#pragma once

#include <string>

// Reads a whole level file for the converter and `pushwell import`; false when it is not a
// regular file or cannot be read.
bool read_level_file(const std::string& path, std::string& text);
