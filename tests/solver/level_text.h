#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "level/collection.h"

// A scratch folder of its own for each test, gone when the test ends.
class ScratchFolder {
  public:
    ScratchFolder() {
        path = std::filesystem::temp_directory_path() /
               ("pushwell-solver-" + std::to_string(::getpid()) + "-" + std::to_string(next++));
        std::filesystem::create_directories(path);
    }
    ~ScratchFolder() { std::filesystem::remove_all(path); }
    std::string file(const std::string& name) const { return (path / name).string(); }
    std::string write(const std::string& name, const std::string& text) const {
        std::ofstream(file(name), std::ios::binary) << text;
        return file(name);
    }
    static std::string read(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }

  private:
    std::filesystem::path path;
    static inline int next = 0;
};

// The levels of a collection file text, read by the game's own importer.
inline std::unique_ptr<TLevelCollection> import_text(const std::string& text) {
    ScratchFolder folder;
    folder.write("levels", text);
    auto collection = std::make_unique<TLevelCollection>();
    collection->import(folder.file(""), "levels");
    return collection;
}
