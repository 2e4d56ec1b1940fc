#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "level/directions.h"
#include "level/level.h"

// The unchanging part of a level as the solver sees it: which squares a box or the man may
// ever stand on, where the targets are, which squares are dead, and how many pushes a lone box
// needs from any square to any target. Squares are numbered column + row * width.
class SolverBoard {
  public:
    static constexpr int32_t no_square = -1;
    static constexpr int32_t unreachable = INT32_MAX / 4;

    // Reads the board, the boxes and the man's start square. False, with the game's words in
    // `error`, for a level the game would not accept (see built_level_fault); also false, with
    // the reason "memory", when the distance tables alone would take more than `memory_bytes`.
    bool load(const TLevel& level, std::string& error, int64_t memory_bytes = INT64_MAX);
    // Reads only the room: its free squares, targets and neighbours, with whatever boxes and
    // man it holds so far, for tools that are still filling it. False, with the game's words in
    // `error`, for no board or one larger than the game takes. A man off the board reads as
    // no_square. Dead squares and push distances are measured by `load` alone.
    bool load_room(const TLevel& level, std::string& error);

    int64_t memory_bytes() const;

    int32_t width() const { return width_; }
    int32_t height() const { return height_; }
    int32_t square_count() const { return static_cast<int32_t>(free_.size()); }
    // The square one step from `square` in direction index 0..3 (left, right, up, down), or
    // no_square off the board.
    int32_t neighbour(int32_t square, int direction) const {
        return neighbours_[static_cast<size_t>(square) * 4 + direction];
    }
    // Floor or target, with or without a box: the only squares a box or the man may enter.
    bool is_free(int32_t square) const { return square >= 0 && free_[square]; }
    bool is_target(int32_t square) const { return square >= 0 && target_[square]; }
    // A box here can never reach any target, even with every other box gone.
    bool is_dead(int32_t square) const { return dead_[square]; }

    const std::vector<int32_t>& targets() const { return targets_; }
    // Sorted by square.
    const std::vector<int32_t>& start_boxes() const { return start_boxes_; }
    // no_square for a room read without him.
    int32_t man_start() const { return man_start_; }
    // Fewest pushes that bring a lone box from `square` to target number `target_index`.
    int32_t push_distance(size_t target_index, int32_t square) const {
        return push_distance_[target_index][square];
    }

  private:
    void find_neighbours();
    void measure_push_distances();

    int32_t width_ = 0;
    int32_t height_ = 0;
    std::vector<uint8_t> free_;
    std::vector<uint8_t> target_;
    std::vector<uint8_t> dead_;
    std::vector<int32_t> neighbours_;
    std::vector<int32_t> targets_;
    std::vector<int32_t> start_boxes_;
    int32_t man_start_ = 0;
    std::vector<std::vector<int32_t>> push_distance_;
};
