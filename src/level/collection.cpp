#include "level/collection.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <iostream>

namespace {

// The whole file in memory, read straight into one buffer: map rows are then views into it
// instead of copies. False when the file cannot be opened or read (a directory, say).
bool read_whole_file(const std::string& path, std::string& contents) {
    const int descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) return false;
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
            close(descriptor);
            return false;
        }
        if (got == 0) break;
        filled += static_cast<size_t>(got);
    }
    close(descriptor);
    contents.resize(filled);
    return true;
}

}  // namespace

std::string import_message(const std::string& file_name, const LevelDiagnostic& diagnostic) {
    return "TLevelCollection.import: " + file_name + ": level " + std::to_string(diagnostic.level) +
           ": " + diagnostic.fault.words() + "\n";
}

int TLevelCollection::import(const std::string& directory, const std::string& file_name) {
    std::string text;
    return import(directory, file_name, text);
}

int TLevelCollection::import(const std::string& directory, const std::string& file_name,
                             std::string& text) {
    clear_levels();
    const std::string path = directory + file_name;
    if (!read_whole_file(path, text)) {
        std::cerr << "Error: Could not open level file ( " << path << ")\n" << std::flush;
        return -1;
    }
    ParsedCollection parsed = parse_collection(text);
    // Every fault a flushed line of its own.
    for (const LevelDiagnostic& diagnostic : parsed.diagnostics)
        std::cerr << import_message(file_name, diagnostic) << std::flush;
    return take(file_name, std::move(parsed));
}

int TLevelCollection::take(const std::string& file_name, ParsedCollection parsed) {
    clear_levels();
    name = file_name;
    levels = std::move(parsed.levels);
    return parsed.diagnostics.empty() ? 0 : -2;
}

void TLevelCollection::clear_levels() {
    while (!levels.empty()) levels.pop_back();
}

const TLevel* TLevelCollection::get_level(int32_t index) const {
    if (index < 0 || index >= level_count()) return nullptr;
    const TLevel* level = levels[index].get();
    return level->has_grid() ? level : nullptr;
}

int import_path(TLevelCollection& collection, const std::string& path) {
    std::string text;
    return import_path(collection, path, text);
}

int import_path(TLevelCollection& collection, const std::string& path, std::string& text) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return collection.import("", path, text);
    return collection.import(path.substr(0, slash + 1), path.substr(slash + 1), text);
}
