#pragma once

#include <string>

#include "outcome/outcome.h"

// Replaces the file at `path` by one holding exactly `bytes`, so that whatever happens (a full
// disk, a kill, a crash) the path holds either the whole old file or the whole new one: the
// bytes go to a temporary file beside it, are flushed to disk, and the temporary is renamed
// over the path. A symbolic link at `path` is followed, so the file it points to is replaced.
// On failure the previous file is untouched, the temporary is gone, and the outcome carries the
// errno (still set too) and its words.
Outcome<int> write_file_atomically(const std::string& path, const std::string& bytes);
