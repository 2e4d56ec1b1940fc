#pragma once

#include <string>

// The collections the game first shipped: 91 levels, each proven in well under a second, that
// keep the order they were shipped in (players' best results are kept by level number). The
// tests that prove or search levels take these, not the whole library.
inline const char* const first_collections[] = {"default", "Cellars", "Foundry"};

inline bool is_first_collection(const std::string& name) {
    for (const char* first : first_collections) {
        if (name == first) return true;
    }
    return false;
}
