#pragma once

#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>
#include <string>

// Processor time of this program: the machine is shared, and wall time would charge it for
// whatever else runs beside it.
inline double cpu_seconds() {
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

// A new empty file in /tmp for the benchmark `program` to write its collection to, or an empty
// path (with the reason said) when none can be made.
inline std::string temporary_file(const char* program) {
    std::string path = std::string("/tmp/") + program + "-XXXXXX";
    const int descriptor = mkstemp(path.data());
    if (descriptor < 0) {
        std::perror((std::string(program) + ": temporary file").c_str());
        return {};
    }
    close(descriptor);
    return path;
}

// The tutorial and the two smallest collections we ship, 98 levels each proven in well under a
// second: a fixed workload for the benchmarks, whatever else the library holds.
inline const char* const first_collections[] = {"default", "Nooks", "Pantries"};
