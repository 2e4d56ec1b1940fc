#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

// A fresh directory for one test's files, removed with everything in it afterwards.
struct ScratchDir {
    std::string path = make();
    ~ScratchDir() { std::filesystem::remove_all(path); }
    std::string at(const std::string& name) const { return path + "/" + name; }
    void write(const std::string& name, const std::string& bytes) const {
        std::ofstream(at(name), std::ios::binary) << bytes;
    }
    std::string read(const std::string& name) const {
        std::ostringstream bytes;
        bytes << std::ifstream(at(name), std::ios::binary).rdbuf();
        return bytes.str();
    }
    static std::string make() {
        std::string name = (std::filesystem::temp_directory_path() / "score-XXXXXX").string();
        return mkdtemp(name.data());
    }
};
