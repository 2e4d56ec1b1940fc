#include "side_by_side.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "../bench_support.h"
#include "level/collection.h"
#include "level/game_format_writer.h"
#include "level_rows.h"

namespace {

// What one program reported for its one level.
struct Run {
    bool solved = false;
    double seconds = 0;
    long long positions = 0;
};

// Side by side figures of one of the two programs over all levels.
struct Sum {
    int solved = 0;
    double seconds = 0;
    long long positions = 0;

    void add(const Run& run) {
        solved += run.solved ? 1 : 0;
        seconds += run.seconds;
        positions += run.positions;
    }
};

double per_second(long long positions, double seconds) {
    return seconds > 0 ? positions / seconds : 0;
}

std::string quoted(const std::string& text) {
    std::string out = "'";
    for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

// Runs `program` on the one-level file and reads its line for the level:
// "  FILE 1: WORD, N pushes (at least B), S s, P positions". False when it gave none.
bool run_program(const std::string& program, const std::vector<std::string>& arguments,
                 const std::string& file, Run& run) {
    std::string command = quoted(program);
    for (const std::string& argument : arguments) command += " " + quoted(argument);
    command += " " + quoted(file);
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return false;
    const std::string prefix = "  " + file + " 1: ";
    bool found = false;
    char line[512];
    while (std::fgets(line, sizeof line, pipe) != nullptr) {
        const std::string text = line;
        if (found || text.compare(0, prefix.size(), prefix) != 0) continue;
        const std::string rest = text.substr(prefix.size());
        const size_t comma = rest.find(',');
        int pushes = 0, bound = 0;
        if (comma == std::string::npos ||
            std::sscanf(rest.c_str() + comma + 1, " %d pushes (at least %d), %lf s, %lld", &pushes,
                        &bound, &run.seconds, &run.positions) != 4) {
            continue;
        }
        const std::string word = rest.substr(0, comma);
        run.solved = word == "optimal" || word == "solved";
        found = true;
    }
    return pclose(pipe) == 0 && found;
}

void print_run(const char* name, const Run& run) {
    std::printf(" %s %s %.2f s %lld pos (%.0f/s)", name, run.solved ? "solved" : "unsolved",
                run.seconds, run.positions, per_second(run.positions, run.seconds));
}
}  // namespace

int run_side_by_side(const std::vector<std::string>& files, const std::string& baseline,
                     const std::vector<std::string>& solve_arguments) {
    std::error_code error;
    const std::string self = std::filesystem::read_symlink("/proc/self/exe", error).string();
    const std::string level_file = temporary_file("bench-solver");
    if (self.empty() || level_file.empty()) return 1;
    Sum mine, theirs;
    std::vector<double> ratios;
    int number = 0, failures = 0;
    for (const std::string& file : files) {
        TLevelCollection collection;
        if (import_path(collection, file) == -1) {
            std::fprintf(stderr, "bench-solver: cannot open %s\n", file.c_str());
            ++failures;
            continue;
        }
        for (int32_t i = 0; i < collection.level_count(); ++i) {
            const TLevel* level = collection.get_level(i);
            if (level == nullptr) continue;
            CommonCollection one;
            one.levels.push_back(as_rows(*level));
            std::vector<LeftOutLevel> left_out;
            std::ofstream(level_file) << write_game_format(one, left_out);
            ++number;
            Run this_run, baseline_run;
            // Turn about, so that neither program always meets the machine as the other left it.
            const bool baseline_first = number % 2 == 0;
            bool ran = true;
            for (int turn = 0; turn < 2; ++turn) {
                const bool baseline_turn = (turn == 0) == baseline_first;
                ran = ran && run_program(baseline_turn ? baseline : self, solve_arguments,
                                         level_file, baseline_turn ? baseline_run : this_run);
            }
            if (!ran || !left_out.empty()) {
                std::printf("  %s level %d: no figures from one of the programs\n", file.c_str(),
                            i + 1);
                ++failures;
                continue;
            }
            mine.add(this_run);
            theirs.add(baseline_run);
            const double base_rate = per_second(baseline_run.positions, baseline_run.seconds);
            const double ratio =
                base_rate > 0 ? per_second(this_run.positions, this_run.seconds) / base_rate : 0;
            if (ratio > 0) ratios.push_back(ratio);
            std::printf("  %s level %d:", file.c_str(), i + 1);
            print_run("this", this_run);
            print_run("| baseline", baseline_run);
            std::printf(" | ratio %.3f\n", ratio);
            std::fflush(stdout);
        }
    }
    std::remove(level_file.c_str());
    const int compared = static_cast<int>(ratios.size());
    std::sort(ratios.begin(), ratios.end());
    const double this_rate = per_second(mine.positions, mine.seconds);
    const double base_rate = per_second(theirs.positions, theirs.seconds);
    std::printf("this:     %d of %d levels solved, %lld positions in %.1f s, %.0f per second\n",
                mine.solved, number - failures, mine.positions, mine.seconds, this_rate);
    std::printf("baseline: %d of %d levels solved, %lld positions in %.1f s, %.0f per second\n",
                theirs.solved, number - failures, theirs.positions, theirs.seconds, base_rate);
    std::printf("positions per second, this / baseline: %.3f in total, %.3f median of %d levels\n",
                base_rate > 0 ? this_rate / base_rate : 0.0,
                compared > 0 ? ratios[compared / 2] : 0.0, compared);
    return failures == 0 ? 0 : 1;
}
