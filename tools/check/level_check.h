#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "check_options.h"

// Imports each level file as the game's own importer does (its faults in the importer's words on
// `err`) and proves every level in it on options.jobs threads (a level searched with --find
// also on the processors the pool leaves over), writing one line per level to
// `out`, file after file and level after level; a level whose layout is broken is called faulty
// and not searched. True only when every file imported without fault, nothing is faulty and
// every level was proven solvable.
bool check_level_files(const std::vector<std::string>& paths, const CheckOptions& options,
                       std::ostream& out, std::ostream& err);

// Converts the collection file `in_path` (in the common level format or the game's own) into the
// game's format at `out_path`, then imports it with the game's importer and checks the layout
// of every level. Says on `out` what changed, which levels were left out and why, which are
// faulty, and how many levels were written. True only when nothing was left out or is faulty.
bool convert_level_file(const std::string& in_path, const std::string& out_path, std::ostream& out,
                        std::ostream& err);
