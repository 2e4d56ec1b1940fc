#pragma once

#include <stdlib.h>

#include <filesystem>
#include <string>

// A fresh directory under /tmp (its path ends in "/"), removed with its contents afterwards.
struct TempDirectory {
    std::string path;
    TempDirectory() {
        char name[] = "/tmp/pushwell-levelgen-XXXXXX";
        path = std::string(mkdtemp(name)) + "/";
    }
    ~TempDirectory() { std::filesystem::remove_all(path); }
};
