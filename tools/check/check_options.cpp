#include "check_options.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <thread>

namespace {
// A positive number, all of the text.
bool read_positive(const std::string& text, double& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return *end == '\0' && std::isfinite(value) && value > 0;
}
}  // namespace

int processor_count() {
    return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

bool parse_check_options(const std::vector<std::string>& arguments, CheckOptions& options,
                         std::string& error) {
    options = CheckOptions();
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool takes_value =
            argument == "--time" || argument == "--memory" || argument == "--jobs";
        if (takes_value && i + 1 == arguments.size()) {
            error = argument + " needs a value";
            return false;
        }
        double value = 0;
        if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else if (argument == "--tsv") {
            options.tsv = true;
        } else if (argument == "--moves") {
            options.optimise = Optimise::moves;
        } else if (argument == "--find") {
            options.find = true;
        } else if (argument == "--convert") {
            options.convert = true;
        } else if (argument == "--import") {
            options.import = true;
        } else if (argument == "--time") {
            if (!read_positive(arguments[++i], value)) {
                error = "--time needs a positive number of seconds, not '" + arguments[i] + "'";
                return false;
            }
            options.limits.seconds = value;
        } else if (argument == "--memory") {
            if (!read_positive(arguments[++i], value) || value > 1024.0 * 1024.0) {
                error = "--memory needs a positive number of megabytes, not '" + arguments[i] + "'";
                return false;
            }
            options.limits.memory_bytes = static_cast<int64_t>(value * 1024 * 1024);
        } else if (argument == "--jobs") {
            if (!read_positive(arguments[++i], value) || value != std::floor(value) ||
                value > 256) {
                error = "--jobs needs a whole number of threads from 1 to 256, not '" +
                        arguments[i] + "'";
                return false;
            }
            options.jobs = static_cast<int>(value);
        } else if (argument.size() > 1 && argument[0] == '-') {
            error = "unknown option " + argument;
            return false;
        } else {
            options.files.push_back(argument);
        }
    }
    if (options.help) return true;
    if (options.convert && options.import) {
        error = "--convert and --import do not go together";
        return false;
    }
    if (options.import && options.files.size() < 3) {
        error = "--import takes LEVELS_DIR SHIPPED_DIR FILE...";
        return false;
    }
    if (options.convert && options.files.size() != 2) {
        error = "--convert takes exactly two files: IN OUT";
        return false;
    }
    if (options.files.empty()) {
        error = "no level file given";
        return false;
    }
    return true;
}

std::string check_usage() {
    return "Usage: pushwell-check [options] FILE...\n"
           "       pushwell-check --convert IN OUT\n"
           "       pushwell-check --import LEVELS_DIR SHIPPED_DIR FILE...\n"
           "\n"
           "Imports each level file as the game does (its faults are reported in the game's\n"
           "words) and proves every level: one line per level with the optimal solution,\n"
           "'unsolvable' when no solution exists, 'unknown' when a limit stopped the search, or\n"
           "'faulty' when the layout is broken (a gap in the walls, a box nobody can reach...).\n"
           "Solutions are written as l r u d for steps and L R U D for pushes.\n"
           "\n"
           "Options:\n"
           "  --time SECONDS  time limit per level (default 10)\n"
           "  --memory MB     memory limit per level for stored positions (default 1024)\n"
           "  --jobs N        prove N levels of a file at once, on N threads (default: one\n"
           "                  per processor); each keeps its own time and memory limits,\n"
           "                  and the lines come out in the same order as with one\n"
           "  --moves         fewest moves first, then fewest pushes\n"
           "                  (default: fewest pushes first, then few moves)\n"
           "  --find          when the optimum is not proven within a fifth of the time, look\n"
           "                  for any solution in the rest: 'solved' with its counts and the\n"
           "                  proven least count, as against 'optimal'\n"
           "  --tsv           one tab-separated line per level: file, level, title, result,\n"
           "                  moves, pushes, bound, positions, seconds, solution (for a faulty\n"
           "                  level: the reason), box changes, pushing sessions, box lines,\n"
           "                  floor squares, boxes pushed, floor per box, idle squares\n"
           "  --convert       write IN, a collection in the common level format (or the game's\n"
           "                  own), to OUT in the game's format; levels the game would refuse\n"
           "                  are left out and named, then OUT is imported and checked\n"
           "  --import        convert each FILE into the player's LEVELS_DIR under the name\n"
           "                  its file gives the collection (or its file name), never taking a\n"
           "                  name of SHIPPED_DIR or of a file already there: one line per file\n"
           "                  (what `pushwell import` runs)\n"
           "  --help          this text\n"
           "\n"
           "Exit code: 0 when every level of every file is proven solvable (or the converted\n"
           "file imports with nothing left out or faulty; every file imported whole), 1 "
           "otherwise,\n"
           "2 for a wrong command line.\n";
}
