#pragma once

#include <memory>
#include <string>
#include <vector>

#include "level/collection.h"

// How many collections the game lists at most; files after that are not even read.
constexpr int max_collections = 80;

// What a look through the levels directory found.
struct CollectionScan {
    // Collections whose import found no fault, in the order the directory listed their files.
    std::vector<std::unique_ptr<TLevelCollection>> collections;
    // The object the next file would have been imported into; a failed import may have left
    // levels in it. The game destroys it once it knows there is at least one collection.
    std::unique_ptr<TLevelCollection> spare;
    // The collection imported from the file named exactly "default", if any.
    TLevelCollection* default_collection = nullptr;
};

// Imports every regular file (after following links) of `directory`, which ends in "/".
// A directory that cannot be opened gives an empty list, silently.
CollectionScan scan_collections(const std::string& directory);
