#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "score/score.h"

// Byte-wise order of collection names, bytes compared as unsigned values.
struct ByteOrder {
    bool operator()(const std::string& a, const std::string& b) const;
};

// Every best result of every collection, kept for the whole run.
class THighScore {
  public:
    bool get_score(const std::string& collection, int32_t level, TScore& score) const;
    void set_score(const std::string& collection, int32_t level, const TScore& score);

    // 1 when the file was loaded and parsed, 0 otherwise (the store is then left as it was).
    int read_from_file(const std::string& file_name);
    // 1 when the whole file was written; 0 when any step failed, and the previous file is
    // then untouched.
    int write_to_file(const std::string& file_name) const;

    const std::map<std::string, std::unique_ptr<TCollectionScore>, ByteOrder>& collections() const {
        return store;
    }

  private:
    std::map<std::string, std::unique_ptr<TCollectionScore>, ByteOrder> store;
};
