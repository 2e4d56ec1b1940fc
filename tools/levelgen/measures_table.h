#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <vector>

// One level's line of the checker's table (`pushwell-check --tsv`): what proving it found and
// what its solution asks of the player.
struct MeasuredLevel {
    std::string file;
    int32_t level = 0;
    std::string title;
    std::string result;  // optimal, solved, unknown, unsolvable or faulty
    int32_t moves = 0;
    int32_t pushes = 0;
    int32_t bound = 0;  // the fewest pushes proven possible
    int64_t positions = 0;
    std::string solution;
    int32_t box_changes = 0;
    int32_t sessions = 0;
    int32_t box_lines = 0;
    // The floor the solution puts to use (level/floor_measures.h).
    int32_t floor = 0;
    int32_t boxes = 0;  // boxes the solution pushes
    int32_t idle = 0;

    double floor_per_box() const { return boxes > 0 ? static_cast<double>(floor) / boxes : 0.0; }
    double idle_share() const { return floor > 0 ? static_cast<double>(idle) / floor : 0.0; }
};

// The line read back, or nothing for a line that is not a level's line of the table.
std::optional<MeasuredLevel> read_measures_line(const std::string& line);

// Every level's line of a table, in its order.
std::vector<MeasuredLevel> read_measures_table(std::istream& in);

// How hard a level is to play, as its collection is ordered: the pushes of its solution, twice
// its box changes (every change is a new plan), and ten for every power of ten of the positions
// the solver met proving it. Only levels with a solution have one.
double difficulty(const MeasuredLevel& level);

// The file name at the end of a path: what the table's lines and the game call a collection.
std::string collection_name(const std::string& path);
