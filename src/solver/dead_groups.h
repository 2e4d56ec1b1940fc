#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Groups of two to four boxes that, wherever they stand together, can never all reach targets,
// found once per level before any search (window_search.h). A group may hold only with the man
// on some squares: those from which, with the group alone on the board, he can never free it.
// Every other box only takes room from the man and from these boxes, so a position holding a
// group with the man on one of its squares is a dead end.
class DeadGroups {
  public:
    // `boxes` sorted; `man_squares` empty when the man's square does not matter, else one flag
    // per square of the board.
    void add(const std::vector<int32_t>& boxes, std::vector<uint8_t> man_squares);
    // True when a group with a box on `pushed_to` stands whole in `occupied` (every box of the
    // position) and the man on `man` cannot free it.
    bool holds(const std::vector<uint8_t>& occupied, int32_t pushed_to, int32_t man) const {
        if (groups.empty()) return false;
        for (int32_t index : filed[pushed_to]) {
            const Group& group = groups[index];
            if (group.man >= 0 && !man_squares[group.man][man]) continue;
            bool all = true;
            for (int b = 0; b < group.count && all; ++b) all = occupied[group.boxes[b]] != 0;
            if (all) return true;
        }
        return false;
    }
    // True when a kept group that holds wherever the man stands lies within `boxes`.
    bool covers(const std::vector<int32_t>& boxes) const;

    size_t size() const { return groups.size(); }
    // Empties the table for a board of `square_count` squares.
    void reset(int32_t square_count);
    int64_t memory_bytes() const;

  private:
    struct Group {
        int32_t boxes[4];
        int32_t count;
        int32_t man;  // index into man_squares, or -1 for any square
    };
    std::vector<Group> groups;
    std::vector<std::vector<uint8_t>> man_squares;
    // By square: the groups with a box there. Made with the first group, so that a board with
    // none (the largest open rooms) keeps no table.
    std::vector<std::vector<int32_t>> filed;
    int32_t square_count = 0;
};
