#pragma once

#include <cstdint>
#include <string>

#include "outcome/outcome.h"

// No level file may be larger than this. The largest collections ever published stay under
// 2 MB; the bound keeps one huge file in levels/ (or a device that never ends) from being read
// whole into memory when it is chosen.
constexpr int64_t max_level_file_bytes = int64_t{64} << 20;

// The whole file in memory, read straight into one buffer: map rows are then views into it
// instead of copies. Fails, with errno and its words, when the file cannot be opened or read
// (a directory, say), and with EFBIG and "file is larger than 64 MB", before anything is read
// when its size shows it, when it is larger than max_level_file_bytes.
Outcome<int> read_text_file(const std::string& path, std::string& contents);
