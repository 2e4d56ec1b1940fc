#pragma once

#include <string>

// Reads a whole level file for the converter and `pushwell import`: empty when it was read, or
// why not ("cannot be read" when it is not a regular file or cannot be read; the importer's own
// refusal when it is too large).
std::string read_level_file(const std::string& path, std::string& text);
