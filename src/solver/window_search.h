#pragma once

#include <array>
#include <cstdint>
#include <set>
#include <vector>

#include "solver/board.h"
#include "solver/dead_groups.h"
#include "solver/freeze.h"
#include "solver/man_walk.h"

// Finds, once per level, groups of two to four boxes against the walls that can never all
// reach targets (dead_groups.h). Each group is proven by an exhaustive search of a small window
// round it: with only the group's boxes on the board and the man in one area, every push that
// keeps the boxes inside the window is tried. The group is dead for that area when no line puts
// every box on a target of its own and no push can take a box out of the window (outside it the
// search would know nothing). Groups the searches already catch by their own tests are left
// out: a box on a dead square, boxes frozen together, boxes that cannot all be matched to
// targets of their own, and groups holding a smaller dead group.
class WindowSearch {
  public:
    struct Limits {
        // Positions one man area's search may look at before the group counts as alive.
        int32_t positions_per_area = 256;
        // Squares walked over, by every group's search together: caps the time on big levels
        // (levels of 16 to 24 boxes take up to 2 million, some milliseconds).
        int64_t work = 5'000'000;
        // Bytes the groups found may take, for the man's squares above all.
        int64_t memory_bytes = 8 << 20;
    };

    // Searches the groups of `board` into `groups` until every group is tried or a limit is
    // reached.
    void find(const SolverBoard& board, const Limits& limits, DeadGroups& groups);
    // Squares walked over so far.
    int64_t work() const { return work_; }

    // True when `boxes` (sorted) can never all reach targets with the man on `man`, none of the
    // boxes leaving the window of `window_rows` x `window_columns` squares from `top_left`.
    // False too when the search passes `cap` positions. Positions holding one of `known` are
    // not searched on: they are dead ends whatever the other boxes do.
    bool dead_in_window(const SolverBoard& board, const std::vector<int32_t>& boxes, int32_t man,
                        int32_t top_left, int32_t window_rows, int32_t window_columns, int32_t cap,
                        const DeadGroups& known);

  private:
    void collect_groups(const SolverBoard& board, std::vector<std::vector<int32_t>>& found) const;
    bool worth_searching(const SolverBoard& board, const std::vector<int32_t>& group,
                         const DeadGroups& groups);
    bool matched(const SolverBoard& board, const std::vector<int32_t>& group) const;
    // The man's squares from which `group` is dead: empty when from none, all of them marked
    // when from every square next to a box.
    std::vector<uint8_t> dead_man_squares(const SolverBoard& board,
                                          const std::vector<int32_t>& group, int32_t cap,
                                          const DeadGroups& known, bool& anywhere);

    std::vector<uint8_t> local;  // the searched boxes only
    ManWalk walk, after, regions;
    FreezeCheck freeze;
    using State = std::array<int32_t, 5>;  // up to four boxes, then the man's area
    std::set<State> seen;
    std::vector<State> queue;
    int64_t work_ = 0;
};
