#pragma once

#include <cstdint>
#include <set>
#include <vector>

#include "solver/board.h"
#include "solver/few_box_search.h"
#include "solver/man_walk.h"

// Dead ends learned while one level is searched: a few boxes that, alone on the board with the
// man in a given area, can never all reach targets. Taking the other boxes off only gives the
// man and these boxes more room, so any position holding the same boxes with the man in that
// area is a dead end too. A group is judged by a small search that has to run out of
// positions; a search stopped by its cap proves nothing and keeps nothing.
class LearnedPatterns {
  public:
    // Positions one group's search may look at before the group counts as alive.
    explicit LearnedPatterns(int32_t position_cap) : cap(position_cap) {}

    // True when a kept pattern lies in the position: all its boxes are in `occupied` and `man`
    // stands in its area.
    bool matches(const std::vector<int32_t>& boxes, const std::vector<uint8_t>& occupied,
                 int32_t man) const;

    // Searches the box at `pushed_to` with its nearest neighbours, two, three and then four
    // boxes together, and keeps the first group proven a dead end. True when one was.
    bool learn(const SolverBoard& board, const std::vector<int32_t>& boxes,
               const std::vector<uint8_t>& occupied, int32_t pushed_to, int32_t man);

    size_t size() const { return patterns.size(); }
    // The table and the memory of groups tried, roughly, for the search's memory limit.
    int64_t memory_bytes() const;
    // Positions looked at by every group's search so far.
    int64_t work() const { return search.searched(); }

  private:
    struct Pattern {
        std::vector<int32_t> boxes;
        std::vector<uint8_t> area;  // squares the man may stand on
    };

    void keep(const SolverBoard& board, const std::vector<int32_t>& group, int32_t man);

    int32_t cap;
    std::vector<Pattern> patterns;
    std::vector<std::vector<int32_t>> filed;  // by square: the patterns whose first box is there
    std::vector<int32_t> near, distance, group;
    std::vector<uint8_t> local;  // the group's boxes only, during its search
    ManWalk walk, after;
    FewBoxSearch search;
    std::set<std::vector<int32_t>> tried;  // groups and areas not proven dead
};
