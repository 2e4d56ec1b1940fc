#include "level/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

namespace {

Outcome<int> failure() {
    const int error = errno;
    return Outcome<int>::failure(error, std::strerror(error));
}

Outcome<int> too_large(int descriptor) {
    close(descriptor);
    return Outcome<int>::failure(
        EFBIG, "file is larger than " + std::to_string(max_level_file_bytes >> 20) + " MB");
}

}  // namespace

Outcome<int> read_text_file(const std::string& path, std::string& contents) {
    const int descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) return failure();
    struct stat status;
    // One byte more than the file's size lets the read that meets the end need no regrowth.
    const bool sized = fstat(descriptor, &status) == 0 && status.st_size > 0;
    if (sized && status.st_size > max_level_file_bytes) return too_large(descriptor);
    contents.resize(sized ? static_cast<size_t>(status.st_size) + 1 : size_t{1} << 16);
    size_t filled = 0;
    for (;;) {
        // Room for one byte past the bound at most: reading it shows the file is too large.
        if (filled == contents.size())
            contents.resize(std::min(contents.size() * 2, size_t{max_level_file_bytes} + 1));
        const ssize_t got = read(descriptor, &contents[filled], contents.size() - filled);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            const Outcome<int> failed = failure();
            close(descriptor);
            return failed;
        }
        if (got == 0) break;
        filled += static_cast<size_t>(got);
        // A file that grew since it was measured, or has no size to measure (a pipe, a device).
        if (filled > static_cast<size_t>(max_level_file_bytes)) {
            contents.clear();
            return too_large(descriptor);
        }
    }
    close(descriptor);
    contents.resize(filled);
    return {};
}
