#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <queue>
#include <vector>

#include "solver/assignment.h"
#include "solver/board.h"
#include "solver/freeze.h"
#include "solver/man_walk.h"
#include "solver/position_store.h"
#include "solver/solver.h"

// One push of a solution: the square the box stood on and the direction index it went.
struct Push {
    int32_t box;
    int direction;
};

// A* over pushes. In push-optimal mode a position is the boxes plus the man's whole walking
// area (named by its top-left-most square); moves only break ties there. In move-optimal mode
// the man's exact square belongs to the position, since where he stands decides the walking.
// The estimate is a least-cost matching of boxes to targets by lone-box push distances: no
// push changes it by more than one, so the first time a position is expanded its count is
// optimal and no position is ever opened again.
class PushSearch {
  public:
    PushSearch(const SolverBoard& board, Optimise optimise, const SolveLimits& limits);

    // Searches until the cheapest solution is found, the positions run out, or a limit is hit.
    SolveStatus run();
    // The pushes of the solution found, first to last.
    std::vector<Push> solution() const;
    // The proven lower bound on the count optimised first.
    int32_t bound() const { return bound_; }
    const char* stopped_by() const { return stopped_by_; }
    int64_t positions() const { return store.size(); }

  private:
    struct Queued {
        int32_t first, second, estimate, position;
        int32_t pushes, moves;  // the position's counts when queued; stale once they change
    };
    struct Later {
        bool operator()(const Queued& a, const Queued& b) const;
    };

    int32_t estimate(const std::vector<int32_t>& boxes);
    void expand(int32_t index);
    int32_t child_area_top_left(const StoredPosition& parent, int32_t from, int32_t to,
                                int direction);
    template <typename Open>
    bool ring_stays_joined(int32_t centre, const Open& open) const;
    void offer(StoredPosition child, const std::vector<int32_t>& boxes);
    void enqueue(int32_t index);
    bool over_limits();

    const SolverBoard& board;
    Optimise optimise;
    SolveLimits limits;
    std::chrono::steady_clock::time_point started;
    PositionStore store;
    std::priority_queue<Queued, std::vector<Queued>, Later> open;
    Assignment assignment;
    FreezeCheck freeze;
    ManWalk walk, area;
    std::vector<uint8_t> occupied;
    std::vector<int32_t> boxes, child_boxes, costs;
    int32_t goal = -1;
    int32_t bound_ = 0;
    const char* stopped_by_ = "";
    bool moves_overflowed = false;
};
