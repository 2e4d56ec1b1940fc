#pragma once

#include <ostream>
#include <string>

#include "solver/check_options.h"

// Imports one level file with the game's own importer (which writes its faults to standard
// error) and proves every level in it, writing one line per level to `out`. True only when the
// file imported without fault and every level was proven solvable.
bool check_level_file(const std::string& path, const CheckOptions& options, std::ostream& out,
                      std::ostream& err);

// Writes a copy of `in_path` to `out_path` in the game's format, says on `out` what changed,
// and imports the copy as the game would. True when the copy was written and imports without
// fault.
bool convert_level_file(const std::string& in_path, const std::string& out_path, std::ostream& out,
                        std::ostream& err);
