// Feeds a fuzz target every file of the folders given, without libFuzzer: `make check` replays
// the seeds and the kept findings this way. A broken promise aborts, naming the file last read.
#include <dirent.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
    int replayed = 0;
    for (int arg = 1; arg < argc; ++arg) {
        const std::string folder = argv[arg];
        DIR* directory = opendir(folder.c_str());
        if (directory == nullptr) {
            std::fprintf(stderr, "fuzz replay: cannot read %s\n", folder.c_str());
            return 1;
        }
        std::vector<std::string> names;
        while (const dirent* entry = readdir(directory)) {
            if (entry->d_name[0] != '.') names.push_back(entry->d_name);
        }
        closedir(directory);
        std::sort(names.begin(), names.end());
        for (const std::string& name : names) {
            const std::string path = folder + "/" + name;
            std::fprintf(stderr, "%s\n", path.c_str());
            const std::string bytes = read_file(path);
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
            ++replayed;
        }
    }
    std::printf("%d inputs replayed\n", replayed);
    // An empty corpus would pass without testing anything.
    return replayed > 0 ? 0 : 1;
}
