#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "level/game_text.h"
#include "level/level.h"

// A level collection: one text file of levels, read into memory in file order.
class TLevelCollection {
  public:
    // Reads directory + file_name (the directory ends in "/"). Every fault is reported on
    // standard error, one flushed line each. 0: read without fault; -1: the file did not open;
    // -2: at least one fault was reported (the faulty levels stay, but are never played).
    int import(const std::string& directory, const std::string& file_name);
    // Reads and keeps the levels as import does, but hands back the lines import would print
    // (each ending in a line feed) instead of printing them, and leaves the file's text in
    // `text` for callers that look at more than its levels.
    int load(const std::string& directory, const std::string& file_name, std::string& text,
             std::vector<std::string>& messages);
    // Keeps the levels parsed from a text named `file_name`, as import does, but says nothing:
    // 0, or -2 when the parse found faults.
    int take(const std::string& file_name, ParsedCollection parsed);
    // Destroys every level, last first.
    void clear_levels();

    const std::string& get_name() const { return name; }
    int32_t level_count() const { return static_cast<int32_t>(levels.size()); }
    // The level at an index from 0, or null when the index is out of range or the level has
    // no board (it was too small to be built).
    const TLevel* get_level(int32_t index) const;

  private:
    std::string name;
    std::vector<std::unique_ptr<TLevel>> levels;
};

// The line the importer writes on standard error for one fault of a level.
std::string import_message(const std::string& file_name, const LevelDiagnostic& diagnostic);

// Imports the collection file at `path`, split into the directory (up to its last "/") and the
// file name the importer takes, so that tools can name files the way their users do.
int import_path(TLevelCollection& collection, const std::string& path);
// The same as load, for a path.
int load_path(TLevelCollection& collection, const std::string& path, std::string& text,
              std::vector<std::string>& messages);
