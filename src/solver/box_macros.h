#pragma once

#include <cstdint>
#include <vector>

#include "solver/board.h"
#include "solver/box_sides.h"
#include "solver/man_walk.h"
#include "solver/push_search.h"

// Box macros: everywhere one box can be taken by pushes of that box alone, the others standing
// still and the man walking round as he needs. One macro is one move of the feature-space
// search, so that a box brought home across the board is a single step that the packing
// advisor can name.
class BoxMacros {
  public:
    struct Destination {
        int32_t square;  // where the box ends
        int32_t man;     // where the man stands after the last push: where the box came from
    };

    // Every destination of the box on `from` (not `from` itself, no dead square, none inside a
    // tunnel it could go on through), with the man on the squares `walk` reached. `occupied` marks
    // every box, this one included; it is left as it was. One destination per square and side of
    // the box the man ends on.
    void find(const SolverBoard& board, std::vector<uint8_t>& occupied, const ManWalk& walk,
              int32_t from, std::vector<Destination>& destinations);
    // The pushes of a macro that `find` reports, first to last.
    std::vector<Push> pushes_to(const SolverBoard& board, std::vector<uint8_t>& occupied,
                                const ManWalk& walk, int32_t from, Destination destination);

  private:
    // A state is the box's square times 4 plus the side the man stands on.
    int32_t search(const SolverBoard& board, std::vector<uint8_t>& occupied, const ManWalk& walk,
                   int32_t from, int32_t goal_state, std::vector<Destination>* destinations);
    bool passes_through(const SolverBoard& board, const std::vector<uint8_t>& occupied,
                        int32_t square, int direction) const;

    std::vector<int32_t> state_seen, came_from, queue;
    BoxSides sides;
    int32_t stamp = 0;
};
