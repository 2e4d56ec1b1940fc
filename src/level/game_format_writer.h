#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "level/common_format.h"

// A level the writer did not write, and why.
struct LeftOutLevel {
    int32_t number;  // its place among the levels read, from 1
    std::string reason;
};

// Why the game's importer would refuse a level with these rows, in its words (its first fault),
// or empty when it takes them.
std::string game_refusal(const std::vector<std::string>& rows);

// One level in the game's own format: "; N", its title line ("'" and the title, or an empty line
// for none), its rows and the empty line that closes the map.
std::string game_level_text(int32_t number, const std::string& title,
                            const std::vector<std::string>& rows);

// The collection in the game's own format: its heading (a line beginning with ';' there gets a
// space before it, or the game would take it for a level's header), then every level as
// game_level_text writes it, numbered from 1. A level the game would refuse is left out and
// listed in `left_out`, never dropped silently.
std::string write_game_format(const CommonCollection& collection,
                              std::vector<LeftOutLevel>& left_out);
