#include "score/score_file.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

bool exists(const std::string& path) {
    struct stat status;
    return lstat(path.c_str(), &status) == 0;
}

// The first of path.bak, path.bak.1, path.bak.2 ... that is free: an older backup may hold
// results of its own and is never overwritten.
std::string free_backup_name(const std::string& path) {
    const std::string base = path + ".bak";
    std::string name = base;
    for (int number = 1; exists(name); ++number) name = base + "." + std::to_string(number);
    return name;
}

// Moves an unreadable score file out of the way so that saving does not destroy it. A file
// that reads by now, such as one an earlier save of this run wrote, needs no keeping.
bool keep_unreadable(const std::string& path) {
    if (!exists(path) || THighScore().read_from_file(path)) return true;
    const std::string backup = free_backup_name(path);
    if (std::rename(path.c_str(), backup.c_str()) != 0) return false;
    std::fprintf(stderr, "THighScore.read_from_file: %s could not be read; kept as %s\n",
                 path.c_str(), backup.c_str());
    return true;
}

}  // namespace

ScoreFileState load_score_file(THighScore& store, const std::string& path) {
    if (store.read_from_file(path)) return ScoreFileState::loaded;
    struct stat status;
    if (stat(path.c_str(), &status) != 0) {
        return errno == ENOENT ? ScoreFileState::missing : ScoreFileState::unreadable;
    }
    // An empty file holds no results: there is nothing to keep.
    if (S_ISREG(status.st_mode) && status.st_size == 0) return ScoreFileState::missing;
    return ScoreFileState::unreadable;
}

int save_score_file(const THighScore& store, const std::string& path, ScoreFileState state) {
    if ((state == ScoreFileState::unreadable && !keep_unreadable(path)) ||
        !store.write_to_file(path)) {
        std::fprintf(stderr, "THighScore.write_to_file: could not save %s: %s\n", path.c_str(),
                     std::strerror(errno));
        return 0;
    }
    return 1;
}
