// Proves the first shipped collections with pushwell-check's own loop on one thread and on one
// thread per processor, in the same run, and prints the wall time of each and their ratio. On two
// or more processors the ratio should reach 1.8 for two threads. Wall time is what a level author
// waits for, so it is what counts here: run it on a quiet machine.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "bench_support.h"
#include "check_options.h"
#include "level_check.h"

namespace {

constexpr int rounds = 10;

// The least wall time of `rounds` runs of the checker over `files` with `jobs` threads.
double best_seconds(const std::vector<std::string>& files, int jobs) {
    CheckOptions options;
    options.jobs = jobs;
    double best = 1e30;
    for (int round = 0; round < rounds; ++round) {
        std::ostringstream out;
        std::ostringstream err;
        const auto start = std::chrono::steady_clock::now();
        if (!check_level_files(files, options, out, err)) {
            std::fprintf(stderr, "bench-jobs: a shipped level is not proven:\n%s%s",
                         out.str().c_str(), err.str().c_str());
            return -1;
        }
        const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
        best = std::min(best, spent.count());
    }
    return best;
}

}  // namespace

int main() {
    std::vector<std::string> files;
    for (const char* name : first_collections)
        files.push_back(PUSHWELL_ROOT "/levels/" + std::string(name));
    const int jobs = std::max(2, processor_count());
    const double one = best_seconds(files, 1);
    const double many = best_seconds(files, jobs);
    if (one < 0 || many < 0) return 1;
    std::printf("bench-jobs: the first shipped collections (%zu files), best of %d runs\n",
                files.size(), rounds);
    std::printf(
        "  --jobs 1: %.3f s\n  --jobs %d: %.3f s\n  ratio: %.2f (target: at least 1.8 "
        "with 2 jobs on 2 free processors; %d here)\n",
        one, jobs, many, one / many, processor_count());
    return 0;
}
