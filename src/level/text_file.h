#pragma once

#include <string>

#include "outcome/outcome.h"

// The whole file in memory, read straight into one buffer: map rows are then views into it
// instead of copies. Fails, with errno and its words, when the file cannot be opened or read
// (a directory, say).
Outcome<int> read_text_file(const std::string& path, std::string& contents);
