#include "solver/side_by_side.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "solver/search_runs.h"

namespace {
using Clock = std::chrono::steady_clock;

enum class Stage { prove, plain, features };

// The searches one thread runs, one after the other, and what they came to.
struct Lane {
    std::vector<Stage> stages;
    std::atomic<bool> halt{false};
    std::atomic<pid_t> thread_id{0};  // the system's name for its thread, once it runs
    SolveResult result;
    bool done = false;
};

bool decided(const SolveResult& result) {
    return result.status != SolveStatus::unknown;
}

class SideBySide {
  public:
    SideBySide(const TLevel& level, const SolverBoard& board, Optimise optimise,
               const SolveLimits& limits)
        : level(level),
          board(board),
          optimise(optimise),
          limits(limits),
          memory(limits.memory_bytes, board.memory_bytes()) {
        add_lane({Stage::prove});
        if (limits.threads == 2) {
            add_lane({Stage::plain, Stage::features});
        } else {
            add_lane({Stage::plain});
            add_lane({Stage::features});
        }
    }

    SolveResult run() {
        std::vector<std::thread> threads;
        for (const auto& lane : lanes) threads.emplace_back([this, &lane] { run_lane(*lane); });
        {
            std::unique_lock<std::mutex> lock(guard);
            Lane& proof = *lanes.front();
            // Held to a length the clock can count, whatever time limit was asked for.
            const double share_seconds = std::min(limits.seconds * proving_share, 1e7);
            const auto share = std::chrono::duration_cast<Clock::duration>(
                std::chrono::duration<double>(share_seconds));
            lane_done.wait_until(lock, started + share, [&] { return proof.done; });
            if (!proof.done) give_way(proof);
            lane_done.wait(lock, [&] { return proof.done || finders_done(); });
            if (!proof.done && solution_found()) proof.halt = true;
        }
        for (std::thread& thread : threads) thread.join();
        return outcome();
    }

  private:
    void add_lane(std::vector<Stage> stages) {
        lanes.push_back(std::make_unique<Lane>());
        lanes.back()->stages = std::move(stages);
    }

    double seconds_left() const {
        const std::chrono::duration<double> spent = Clock::now() - started;
        return std::max(0.0, limits.seconds - spent.count());
    }

    // A stage before the last of its lane has its share of the time; the last has what is left.
    void run_lane(Lane& lane) {
        lane.thread_id = gettid();
        SolveResult result;
        int64_t positions = 0;
        for (size_t s = 0; s < lane.stages.size() && !lane.halt; ++s) {
            SolveLimits stage_limits = limits;
            const bool last = s + 1 == lane.stages.size();
            stage_limits.seconds = last ? seconds_left() : limits.seconds * plain_finding_share;
            const SearchTies ties{&memory, &lane.halt};
            const Stage stage = lane.stages[s];
            result = stage == Stage::features
                         ? run_feature_search(level, board, optimise, stage_limits, ties)
                         : run_push_search(
                               level, board, optimise, stage_limits,
                               stage == Stage::prove ? SearchGoal::prove : SearchGoal::find, ties);
            positions += result.positions;
            if (decided(result)) break;
        }
        result.positions = positions;
        finish(lane, result);
    }

    // A verdict halts the other searches; only a solution found leaves the proof running,
    // until its share of the time is over (see run).
    void finish(Lane& lane, const SolveResult& result) {
        std::lock_guard<std::mutex> lock(guard);
        lane.result = result;
        lane.done = true;
        if (decided(result)) {
            const bool spare_proof = result.status == SolveStatus::found;
            for (const auto& other : lanes) {
                if (other.get() != &lane && !(spare_proof && other == lanes.front()))
                    other->halt = true;
            }
        }
        lane_done.notify_all();
    }

    // A proof that has had its share of the time runs on where a processor is free, but where
    // the processors are busy it no longer takes time from the finding searches. A thread that
    // cannot be lowered simply goes on as it was.
    static void give_way(const Lane& lane) {
        const pid_t thread = lane.thread_id;
        if (thread > 0) setpriority(PRIO_PROCESS, static_cast<id_t>(thread), 19);
    }

    bool finders_done() const {
        return std::all_of(lanes.begin() + 1, lanes.end(),
                           [](const auto& lane) { return lane->done; });
    }
    bool solution_found() const {
        return std::any_of(lanes.begin() + 1, lanes.end(), [](const auto& lane) {
            return lane->done && lane->result.status == SolveStatus::found;
        });
    }

    // The proof's verdict where it reached one, with the positions it met, as one by one; else
    // the finding searches' best solution, or the last one's reason for stopping, with the bound
    // the proof reached and the positions of all.
    SolveResult outcome() const {
        const SolveResult& proven = lanes.front()->result;
        if (decided(proven)) return proven;
        const SolveResult* chosen = &lanes.back()->result;
        int64_t positions = 0;
        for (const auto& lane : lanes) {
            const SolveResult& found = lane->result;
            positions += found.positions;
            if (lane != lanes.front() && decided(found) &&
                (!decided(*chosen) || found.pushes < chosen->pushes))
                chosen = &found;
        }
        SolveResult result = *chosen;
        take_proven_bound(result, proven, optimise);
        result.positions = positions;
        return result;
    }

    const TLevel& level;
    const SolverBoard& board;
    Optimise optimise;
    SolveLimits limits;
    const Clock::time_point started = Clock::now();
    SharedMemory memory;
    std::vector<std::unique_ptr<Lane>> lanes;  // the proof's first
    std::mutex guard;                          // over every lane's result and done
    std::condition_variable lane_done;
};
}  // namespace

SolveResult find_side_by_side(const TLevel& level, const SolverBoard& board, Optimise optimise,
                              const SolveLimits& limits) {
    return SideBySide(level, board, optimise, limits).run();
}
