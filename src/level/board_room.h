#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "level/directions.h"
#include "level/level.h"
#include "level/map_validation.h"
#include "outcome/outcome.h"

// A level's room as the tools walk it: which squares a box or the man may ever stand on, the
// targets, each square's neighbours, and the boxes and man it holds so far. Squares are numbered
// column + row * width. The solver's board builds on it; the generator and the test levels walk
// rooms still being filled.
class BoardRoom {
  public:
    static constexpr int32_t no_square = -1;

    // Reads the room, with whatever boxes and man it holds. Fails, in the game's words, for no
    // board or one larger than the game takes. A man off the board reads as no_square.
    Outcome<MapFault::Kind> load_room(const TLevel& level);

    int32_t width() const { return width_; }
    int32_t height() const { return height_; }
    int32_t square_count() const { return static_cast<int32_t>(free_.size()); }
    // The square one step from `square` in direction index 0..3 (level/directions.h), or
    // no_square off the board.
    int32_t neighbour(int32_t square, int direction) const {
        return neighbours_[static_cast<size_t>(square) * direction_count + direction];
    }
    // Floor or target, with or without a box: the only squares a box or the man may enter.
    bool is_free(int32_t square) const { return square >= 0 && free_[square]; }
    bool is_target(int32_t square) const { return square >= 0 && target_[square]; }

    const std::vector<int32_t>& targets() const { return targets_; }
    // Sorted by square.
    const std::vector<int32_t>& start_boxes() const { return start_boxes_; }
    // no_square for a room read without him.
    int32_t man_start() const { return man_start_; }

  protected:
    int32_t width_ = 0;
    int32_t height_ = 0;
    std::vector<uint8_t> free_;
    std::vector<uint8_t> target_;
    std::vector<int32_t> neighbours_;
    std::vector<int32_t> targets_;
    std::vector<int32_t> start_boxes_;
    int32_t man_start_ = 0;

  private:
    void find_neighbours();
};
