#include "level/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

Outcome<int> failure() {
    const int error = errno;
    return Outcome<int>::failure(error, std::strerror(error));
}

}  // namespace

Outcome<int> read_text_file(const std::string& path, std::string& contents) {
    const int descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) return failure();
    struct stat status;
    // One byte more than the file's size lets the read that meets the end need no regrowth.
    const bool sized = fstat(descriptor, &status) == 0 && status.st_size > 0;
    contents.resize(sized ? static_cast<size_t>(status.st_size) + 1 : size_t{1} << 16);
    size_t filled = 0;
    for (;;) {
        if (filled == contents.size()) contents.resize(contents.size() * 2);
        const ssize_t got = read(descriptor, &contents[filled], contents.size() - filled);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            const Outcome<int> failed = failure();
            close(descriptor);
            return failed;
        }
        if (got == 0) break;
        filled += static_cast<size_t>(got);
    }
    close(descriptor);
    contents.resize(filled);
    return {};
}
