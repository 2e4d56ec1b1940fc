#pragma once

#include <cstdint>
#include <vector>

#include "solver/board.h"

// The stretches of box-free floor of the position being opened, and what one box macro does to
// them, without counting the whole board again for every child. Lifting the box joins the
// stretches round its square into one; setting it down where the macro ends can only cut that
// one stretch, since the box travelled inside it. Mostly a look at the eight squares round the
// end tells that nothing is cut; otherwise only that stretch is walked.
class FloorStretches {
  public:
    // Labels the stretches of the position whose boxes `occupied` marks.
    void label(const SolverBoard& board, const std::vector<uint8_t>& occupied);
    int32_t count() const { return count_; }
    // The box on `from`, which `occupied` still marks, is lifted: the stretches next to it
    // become one, with `from`.
    void lift(const SolverBoard& board, const std::vector<uint8_t>& occupied, int32_t from);
    // The lifted box set down on `to`, as `occupied` now shows (box off `from`, on `to`), the
    // man on `man` next to it. Returns the number of stretches; `man_area` gets the top-left
    // square of the man's.
    int32_t drop(const SolverBoard& board, const std::vector<uint8_t>& occupied, int32_t to,
                 int32_t man, int32_t& man_area);

  private:
    bool flood(const SolverBoard& board, const std::vector<uint8_t>& occupied, int32_t start,
               const int32_t* targets, int target_count, int32_t& top_left);

    // A square's stretch is id - first_id, for ids at or above first_id; ids only grow, so no
    // square needs clearing between positions.
    std::vector<int32_t> id;
    int32_t first_id = 0;
    int32_t count_ = 0;
    // The two lowest squares of each stretch: the lowest of what is left when one square is
    // taken out is then always at hand.
    std::vector<int32_t> lowest, second;
    // The stretch of the lifted box and the two lowest squares in it.
    int32_t lifted_count = 0, lifted_lowest = 0, lifted_second = 0;
    std::vector<int32_t> seen, stack, queue;
    int32_t stamp = 0;
};
