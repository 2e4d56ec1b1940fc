#pragma once

#include <string>
#include <vector>

#include "solver/solver.h"

// One thread for each processor: how many levels are proven side by side unless told.
int processor_count();

// How many threads the searches of each level get when `jobs` threads prove `levels` levels on
// `processors` processors: the processors left over, shared out, so that a single level has
// them all and a full pool keeps one thread a level.
int search_threads_per_level(int processors, int jobs, int levels);

// What the level checker was asked to do.
struct CheckOptions {
    bool help = false;
    bool tsv = false;
    bool convert = false;  // files are then exactly IN and OUT
    bool import = false;   // files are then LEVELS_DIR, SHIPPED_DIR and the files to import
    bool find = false;     // a solution where the optimum cannot be proven
    Optimise optimise = Optimise::pushes;
    SolveLimits limits;
    int jobs = processor_count();  // levels proven side by side, each within `limits`
    std::vector<std::string> files;
};

// False, with the reason in `error`, when the arguments make no sense.
bool parse_check_options(const std::vector<std::string>& arguments, CheckOptions& options,
                         std::string& error);

std::string check_usage();
