#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "level/board_room.h"
#include "level/level.h"
#include "solver/dead_groups.h"

// The unchanging part of a level as the solver sees it: its room (level/board_room.h), which
// squares are dead, how many pushes a lone box needs from any square to any target, and which
// small groups of boxes against the walls are dead together (window_search.h).
class SolverBoard : public BoardRoom {
  public:
    static constexpr int32_t unreachable = INT32_MAX / 4;

    enum class LoadError {
        refused,  // a level the game would not accept (see check_built_level), in its words
        memory,   // the distance tables alone would take more than the memory allowed
    };
    // Reads the room, the boxes and the man's start square, and measures the tables. A man
    // outside the walls (after the fill) is still searched from there.
    Outcome<LoadError> load(const TLevel& level, int64_t memory_bytes = INT64_MAX);

    int64_t memory_bytes() const;

    // The square one step from `square` in `direction` when it is free, else the square count:
    // a walk over the floor then needs no test for the board's edge or its walls, only one
    // look at an array one entry longer than the board whose last entry reads as seen.
    int32_t floor_step(int32_t square, int direction) const {
        return floor_steps_[static_cast<size_t>(square) * 4 + direction];
    }
    // A box here can never reach any target, even with every other box gone.
    bool is_dead(int32_t square) const { return dead_[square]; }
    // Groups of boxes that can never all reach targets, with the man's squares they hold for.
    const DeadGroups& dead_groups() const { return dead_groups_; }
    // Fewest pushes that bring a lone box from `square` to target number `target_index`.
    int32_t push_distance(size_t target_index, int32_t square) const {
        return push_distance_[target_index][square];
    }

  private:
    void measure_push_distances();
    void find_floor_steps();

    std::vector<uint8_t> dead_;
    std::vector<int32_t> floor_steps_;
    std::vector<std::vector<int32_t>> push_distance_;
    DeadGroups dead_groups_;
};

// `boxes`, sorted by square, with the one at `index` pushed to `to`, sorted again into `moved`:
// how every search writes down the boxes of the position a push makes.
inline void move_box(const std::vector<int32_t>& boxes, size_t index, int32_t to,
                     std::vector<int32_t>& moved) {
    moved = boxes;
    moved[index] = to;
    std::sort(moved.begin(), moved.end());
}
