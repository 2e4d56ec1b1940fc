#pragma once

#include <chrono>
#include <cstdint>

#include "solver/solver.h"

// What a search may still spend of its limits. Memory is weighed before every new position,
// counting what the next one would make the search allocate, so that it stops before it passes
// the cap, not after. The clock is looked at once enough work has passed (a few milliseconds,
// however many boxes a position holds), and at the very first look, so that even a tiny time
// limit is kept.
class SearchBudget {
  public:
    explicit SearchBudget(const SolveLimits& limits)
        : limits(limits), started(std::chrono::steady_clock::now()) {}

    void add_work(int64_t amount) { work += amount; }
    // True once `bytes_in_use` pass the memory limit, `positions` stored reach their cap or the
    // time is up; stopped_by() then says which.
    bool spent(int64_t bytes_in_use, int64_t positions) {
        if (bytes_in_use > limits.memory_bytes) return stop("memory");
        if (positions >= limits.positions) return stop("positions");
        if (work < clock_work) return false;
        work = 0;
        const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - started;
        return spent.count() > limits.seconds && stop("time");
    }
    // Ends the search for another reason; always true.
    bool stop(const char* reason) {
        stopped_by_ = reason;
        return true;
    }
    bool stopped() const { return *stopped_by_ != '\0'; }
    // "" while the search may go on.
    const char* stopped_by() const { return stopped_by_; }

  private:
    static constexpr int64_t clock_work = int64_t{1} << 22;
    SolveLimits limits;
    std::chrono::steady_clock::time_point started;
    int64_t work = clock_work;
    const char* stopped_by_ = "";
};
