#pragma once

#include <string>

// A fresh directory for one test's files under the system's temporary directory, removed with
// everything in it when the test ends.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string file(const std::string& name) const { return path + name; }
    // Writes the file and returns its path.
    std::string write(const std::string& name, const std::string& bytes) const;
    std::string read(const std::string& name) const;

    const std::string path;  // ends in "/"
};

// The whole file; "" when it cannot be read.
std::string read_file(const std::string& path);
