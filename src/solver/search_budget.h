#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>

#include "solver/solver.h"

// The memory that the searches of one level, running side by side on several threads, hold
// together. Each search claims what it would hold after its next position before making it, so
// the claims together never fall short of what the searches hold.
class SharedMemory {
  public:
    // `board_bytes`, the tables all the searches read, are claimed once for them all.
    SharedMemory(int64_t limit_bytes, int64_t board_bytes)
        : limit(limit_bytes), claimed(board_bytes) {}

    // Moves one search's claim from `before` to `now` bytes; false when the claims together
    // pass the limit.
    bool claim(int64_t before, int64_t now) {
        return claimed.fetch_add(now - before) + (now - before) <= limit;
    }

  private:
    const int64_t limit;
    std::atomic<int64_t> claimed;
};

// What ties one search to the others of its level: their common memory, and a signal another
// thread raises when this search is no longer needed. Neither is there for a search alone.
struct SearchTies {
    SharedMemory* memory = nullptr;
    const std::atomic<bool>* halt = nullptr;
};

// What a search may still spend of its limits. Memory is weighed before every new position,
// counting what the next one would make the search allocate, so that it stops before it passes
// the cap, not after. The clock is looked at once enough work has passed (a few milliseconds,
// however many boxes a position holds), and at the very first look, so that even a tiny time
// limit is kept.
class SearchBudget {
  public:
    SearchBudget(const SolveLimits& limits, int64_t board_bytes, SearchTies ties = {})
        : limits(limits),
          board_bytes(board_bytes),
          ties(ties),
          started(std::chrono::steady_clock::now()) {}
    ~SearchBudget() {
        if (ties.memory) ties.memory->claim(claimed, 0);
    }
    SearchBudget(const SearchBudget&) = delete;
    SearchBudget& operator=(const SearchBudget&) = delete;

    void add_work(int64_t amount) { work += amount; }
    // True once the search's own `bytes_in_use` (the board apart) pass the memory limit,
    // `positions` stored reach their cap, the time is up or another thread halts the search;
    // stopped_by() then says which.
    bool spent(int64_t bytes_in_use, int64_t positions) {
        if (!within_memory(bytes_in_use)) return stop("memory");
        if (positions >= limits.positions) return stop("positions");
        if (ties.halt && ties.halt->load(std::memory_order_relaxed)) return stop("halted");
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
    bool within_memory(int64_t bytes_in_use) {
        if (!ties.memory) return board_bytes + bytes_in_use <= limits.memory_bytes;
        if (!ties.memory->claim(claimed, bytes_in_use)) {
            ties.memory->claim(bytes_in_use, claimed);  // a stopped search makes nothing more
            return false;
        }
        claimed = bytes_in_use;
        return true;
    }

    static constexpr int64_t clock_work = int64_t{1} << 22;
    SolveLimits limits;
    int64_t board_bytes;
    SearchTies ties;
    int64_t claimed = 0;  // this search's share of ties.memory
    std::chrono::steady_clock::time_point started;
    int64_t work = clock_work;
    const char* stopped_by_ = "";
};
