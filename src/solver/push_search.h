#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <queue>
#include <vector>

#include "solver/big_allocator.h"
#include "solver/board.h"
#include "solver/corral.h"
#include "solver/freeze.h"
#include "solver/learned_patterns.h"
#include "solver/lower_bound.h"
#include "solver/man_walk.h"
#include "solver/packing_order.h"
#include "solver/position_store.h"
#include "solver/search_budget.h"
#include "solver/solver.h"

// One push of a solution: the square the box stood on and the direction index it went.
struct Push {
    int32_t box;
    int direction;
};

// What a search is after: the proven optimum, or any solution found quickly, with or without
// heed to the order in which rooms of targets are best packed.
enum class SearchGoal { prove, find, find_packing };

// A* over pushes. In push-optimal mode a position is the boxes plus the man's whole walking
// area (named by its top-left-most square); moves only break ties there. In move-optimal mode
// the man's exact square belongs to the position, since where he stands decides the walking.
// The estimate is a least-cost matching of boxes to targets by lone-box push distances: no
// push changes it by more than one, so the first time a position is expanded its count is
// optimal and no position is ever opened again.
// To find rather than prove, the estimate weighs several times the pushes made so far: the
// search then dives towards the targets, and its solution is not claimed to be the shortest.
// When packing, it also counts boxes put on targets out of packing order as pushes still to
// come, since filling a room of targets from its door shuts it; where that order misleads,
// the plain finding search is the better bet, so callers try both.
// When finding, a position about to be expanded is also tried against the dead groups of boxes
// learned so far in the level, and the group round its last push is searched on its own
// (learned_patterns.h); such a position can never be solved.
class PushSearch {
  public:
    PushSearch(const SolverBoard& board, Optimise optimise, const SolveLimits& limits,
               SearchGoal goal = SearchGoal::prove, SearchTies ties = {});

    // Searches until the cheapest solution is found, the positions run out, or a limit is hit.
    SolveStatus run();
    // The pushes of the solution found, first to last.
    std::vector<Push> solution() const;
    // The proven lower bound on the count optimised first.
    int32_t bound() const { return bound_; }
    const char* stopped_by() const { return budget.stopped_by(); }
    int64_t positions() const { return store.size(); }

  private:
    struct Queued {
        int32_t first, second, estimate, position;
        int32_t pushes, moves;  // the position's counts when queued; stale once they change
    };
    struct Later {
        bool operator()(const Queued& a, const Queued& b) const;
    };
    // A child of the position being opened, made but not yet looked up.
    struct Child {
        StoredPosition position;
        size_t moved;  // the index of the pushed box among the parent's
        int32_t to;
    };

    int32_t estimate(const std::vector<int32_t>& boxes);
    // The estimate of the position being opened with its box `index` moved to `to`.
    int32_t child_estimate(size_t index, int32_t to);
    int16_t disorder(const std::vector<int32_t>& boxes) const;
    void expand(int32_t index);
    bool learned_dead_end(const StoredPosition& position);
    int32_t child_area_top_left(const StoredPosition& parent, int32_t from, int32_t to,
                                int direction);
    // `boxes` are the child's: the parent's with box `moved` pushed to `to`.
    void offer(StoredPosition child, const std::vector<int32_t>& boxes, size_t moved, int32_t to);
    void enqueue(int32_t index);
    // True once a limit is reached; stopped_by() then names it.
    bool over_limits();
    bool halted() const { return budget.stopped(); }

    const SolverBoard& board;
    Optimise optimise;
    SearchGoal search_goal;
    SearchBudget budget;
    PositionStore store;
    std::priority_queue<Queued, std::vector<Queued, BigAllocator<Queued>>, Later> open;
    PushLowerBound lower_bound;
    FreezeCheck freeze;
    CorralCheck corral;
    // Positions the search of a group of boxes near the last push may look at.
    static constexpr int32_t pattern_search_cap = 64;
    LearnedPatterns patterns{pattern_search_cap};
    std::optional<PackingOrder> packing;  // only for SearchGoal::find_packing
    ManWalk walk, area;
    std::vector<uint8_t> occupied;
    std::vector<int32_t> boxes, child_boxes;
    std::vector<Child> children;
    std::vector<int32_t> children_boxes;  // each child's sorted boxes, one after another
    int32_t goal = -1;
    bool found = false;  // a solution was met while finding
    int32_t bound_ = 0;
    bool moves_overflowed = false;
    bool parent_estimated = false;  // the lower bound holds the matching of `boxes`
};
