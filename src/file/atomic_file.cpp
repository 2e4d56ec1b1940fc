#include "file/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Writing beside the file a link points to keeps the link, and keeps the rename on one file
// system.
std::string resolve_link(const std::string& path) {
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

std::string directory_of(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

int create_temporary(const std::string& name) {
    const int flags = O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC;
    int fd = open(name.c_str(), flags, 0666);
    // Our process id is in the name, so an existing file is a leftover of an earlier run that
    // had the same id and was killed mid-write.
    if (fd < 0 && errno == EEXIST && unlink(name.c_str()) == 0)
        fd = open(name.c_str(), flags, 0666);
    return fd;
}

bool write_all(int fd, const std::string& bytes) {
    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t count = write(fd, bytes.data() + written, bytes.size() - written);
        if (count < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        written += static_cast<size_t>(count);
    }
    return true;
}

// Closes (when still open) and removes the temporary, keeping the errno of the failure.
bool give_up(int fd, const std::string& temporary) {
    const int failure = errno;
    if (fd >= 0) close(fd);
    unlink(temporary.c_str());
    errno = failure;
    return false;
}

// The replacement itself; false with errno set on failure.
bool replace_file(const std::string& path, const std::string& bytes) {
    const std::string target = resolve_link(path);
    const std::string temporary = target + ".tmp-" + std::to_string(getpid());

    const int fd = create_temporary(temporary);
    if (fd < 0) return false;
    // The replacement keeps the permissions of the file it replaces. Failing to copy them
    // loses no results, so it is not a reason to give up.
    struct stat previous;
    if (stat(target.c_str(), &previous) == 0) (void)fchmod(fd, previous.st_mode & 07777);

    if (!write_all(fd, bytes) || fsync(fd) != 0) return give_up(fd, temporary);
    if (close(fd) != 0) return give_up(-1, temporary);
    if (rename(temporary.c_str(), target.c_str()) != 0) return give_up(-1, temporary);

    // The new file is in place; syncing its directory only makes the rename itself durable
    // sooner, and a failure here cannot bring the old file back, so it is not reported.
    const int directory = open(directory_of(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (directory >= 0) {
        (void)fsync(directory);
        close(directory);
    }
    return true;
}

}  // namespace

Outcome<int> write_file_atomically(const std::string& path, const std::string& bytes) {
    if (replace_file(path, bytes)) return {};
    const int failure = errno;
    return Outcome<int>::failure(failure, std::strerror(failure));
}
