#pragma once

#include <string>

// Replaces the file at `path` by one holding exactly `bytes`, so that whatever happens (a full
// disk, a kill, a crash) the path holds either the whole old file or the whole new one: the
// bytes go to a temporary file beside it, are flushed to disk, and the temporary is renamed
// over the path. A symbolic link at `path` is followed, so the file it points to is replaced.
// Returns true on success. On failure the previous file is untouched, the temporary is gone,
// and errno tells why.
bool write_file_atomically(const std::string& path, const std::string& bytes);
