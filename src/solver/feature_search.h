#pragma once

#include <cstdint>
#include <map>
#include <queue>
#include <utility>
#include <vector>

#include "solver/advisors.h"
#include "solver/board.h"
#include "solver/box_macros.h"
#include "solver/corral.h"
#include "solver/corral_search.h"
#include "solver/features.h"
#include "solver/freeze.h"
#include "solver/lower_bound.h"
#include "solver/man_walk.h"
#include "solver/packing_order.h"
#include "solver/position_store.h"
#include "solver/push_search.h"
#include "solver/search_budget.h"
#include "solver/solver.h"

// Feature-space search, for finding only. Each position is projected onto its cell, the pair
// of features (packing in plan order, stretches of free floor) best met on its line, so that a
// push that clears space at some cost stays with its parent rather than feed a poorer cell
// (measured: one level more of 20, half the median time). Every cell that holds positions
// waiting to be opened gets turns in rotation, every other turn going to the best cell, so
// that no single measure of progress can starve the others. A move takes one box wherever its
// pushes alone can take it (a box macro). A position's moves are looked at together: advisors
// each name at most one move that improves their feature, and those moves cost nothing, while
// every other move costs one. Inside a cell the cheapest line is opened first. No move that
// could lead to a solution is ever thrown away, only deferred.
class FeatureSearch {
  public:
    // Positions a corral's own search may look at before the corral counts as alive.
    static constexpr int32_t corral_search_cap = 500;

    FeatureSearch(const SolverBoard& board, const SolveLimits& limits, SearchTies ties = {});

    // Searches until a solution is met, the positions run out, or a limit is hit.
    SolveStatus run();
    // The pushes of the solution met, first to last.
    std::vector<Push> solution();
    const char* stopped_by() const { return budget.stopped_by(); }
    int64_t positions() const { return store.size(); }

  private:
    // A position waiting to be opened, filed under its parent's cell.
    struct Waiting {
        int32_t weight;  // unadvised pushes on its line
        Features features;
        Features cell;  // the best features met on its line, which name its cell
        int32_t estimate;
        int32_t position;
    };
    struct Later {
        bool operator()(const Waiting& a, const Waiting& b) const;
    };
    struct Cell {
        Features features;
        std::priority_queue<Waiting, std::vector<Waiting>, Later> waiting;
    };
    int32_t estimate(const std::vector<int32_t>& boxes);
    // The estimate of the position being opened with its box `index` moved to `to`.
    int32_t child_estimate(size_t index, int32_t to);
    void expand(int32_t index, Features features, Features cell_features, int32_t weight);
    int32_t cell_of(const Features& features);
    int32_t next_cell();
    bool over_limits();

    const SolverBoard& board;
    SearchBudget budget;
    PositionStore store;
    PackingOrder plan;
    FeatureMeter meter;
    PushLowerBound lower_bound;
    FreezeCheck freeze;
    CorralCheck corral;
    CorralSearch corral_search{corral_search_cap};
    ManWalk walk;
    BoxMacros macros;
    std::vector<BoxMacros::Destination> destinations;
    std::vector<uint8_t> occupied;
    std::vector<int32_t> boxes, child_boxes;
    std::vector<MeasuredChild> children;
    std::vector<uint8_t> advised;
    std::vector<Cell> cells;
    std::map<std::pair<int16_t, int16_t>, int32_t> cell_index;
    int64_t waiting_count = 0;
    size_t turn = 0;
    int32_t served_next = -1;  // a new cell gets the next rotation turn
    int64_t iterations = 0;
    int32_t goal = -1;
    bool parent_estimated = false;  // the lower bound holds the matching of `boxes`
};
