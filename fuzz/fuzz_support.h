#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "level/collection.h"

// The fuzz targets stop at the first broken promise: libFuzzer keeps the input that did it.
#define FUZZ_CHECK(condition)                                                             \
    do {                                                                                  \
        if (!(condition)) {                                                               \
            std::fprintf(stderr, "broken: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            std::abort();                                                                 \
        }                                                                                 \
    } while (false)

// A file of this process's own, replaced by each input; in memory where the system offers it,
// since the score file's writer syncs every file it writes to the disk.
// The files are removed when the fuzzer ends normally.
inline std::string scratch_file(const char* name) {
    struct Removed {
        std::vector<std::string> paths;
        ~Removed() {
            for (const std::string& path : paths) std::remove(path.c_str());
        }
    };
    static Removed made;
    const char* const directory = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    made.paths.push_back(std::string(directory) + "/pushwell-fuzz-" + std::to_string(getpid()) +
                         "-" + name);
    return made.paths.back();
}

inline void write_file(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

inline std::string read_file(const std::string& path) {
    std::ostringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    return bytes.str();
}

// Reads the text as the importer reads a collection file, without its messages (they would cost
// more than the reading itself), and returns what the import would return.
inline int import_quietly(TLevelCollection& collection, const std::string& text) {
    return collection.take("levels", parse_collection(text));
}

// The same pseudo-random choices for the same input, so that every finding replays.
inline uint64_t input_seed(const uint8_t* data, size_t size) {
    uint64_t hash = 1469598103934665603ull;
    for (size_t i = 0; i < size; ++i) hash = (hash ^ data[i]) * 1099511628211ull;
    return hash;
}
