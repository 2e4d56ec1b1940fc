#include "testlevels/level_measures.h"

#include <algorithm>
#include <vector>

#include "level/board_room.h"
#include "level/floor_measures.h"

namespace {

// Squares marked in `in` joined side to side with `from`, marked in `seen`.
int flood(const BoardRoom& board, const std::vector<uint8_t>& in, int32_t from,
          std::vector<uint8_t>& seen) {
    std::vector<int32_t> stack{from};
    seen[from] = 1;
    int count = 0;
    while (!stack.empty()) {
        const int32_t at = stack.back();
        stack.pop_back();
        ++count;
        for (int direction = 0; direction < 4; ++direction) {
            const int32_t next = board.neighbour(at, direction);
            if (next == BoardRoom::no_square || !in[next] || seen[next]) continue;
            seen[next] = 1;
            stack.push_back(next);
        }
    }
    return count;
}
}  // namespace

LevelMeasures measure_level(const TLevel& level) {
    LevelMeasures measures;
    BoardRoom board;
    if (!board.load_room(level) || !board.is_free(board.man_start())) return measures;
    const int32_t width = board.width(), count = board.square_count();
    for (int32_t box : board.start_boxes()) {
        ++measures.boxes;
        measures.boxes_on_targets += board.is_target(box) ? 1 : 0;
    }
    const std::vector<bool> floor = floor_of(level);
    for (const bool square : floor) measures.floor += square ? 1 : 0;

    // Walked back from every target at once: each square gets the steps to its nearest target.
    std::vector<int32_t> steps(count, -1), queue;
    for (int32_t square = 0; square < count; ++square) {
        if (floor[square] && board.is_target(square)) {
            steps[square] = 0;
            queue.push_back(square);
        }
    }
    for (size_t head = 0; head < queue.size(); ++head) {
        for (int direction = 0; direction < 4; ++direction) {
            const int32_t next = board.neighbour(queue[head], direction);
            if (next == BoardRoom::no_square || !floor[next] || steps[next] >= 0) continue;
            steps[next] = steps[queue[head]] + 1;
            queue.push_back(next);
        }
    }
    for (int32_t box : board.start_boxes()) measures.target_steps += std::max(0, steps[box]);

    std::vector<uint8_t> room(count, 0), seen(count, 0);
    for (int32_t square = 0; square + width + 1 < count; ++square) {
        if (square % width == width - 1) continue;
        const int32_t block[] = {square, square + 1, square + width, square + width + 1};
        bool open = true;
        for (int32_t at : block) open = open && floor[at];
        if (!open) continue;
        for (int32_t at : block) room[at] = 1;
    }
    for (int32_t square = 0; square < count; ++square) {
        if (!room[square] || seen[square]) continue;
        ++measures.rooms;
        std::vector<uint8_t> within(count, 0);
        flood(board, room, square, within);
        bool holds_target = false;
        for (int32_t at = 0; at < count; ++at) {
            seen[at] |= within[at];
            holds_target = holds_target || (within[at] && board.is_target(at));
        }
        measures.target_rooms += holds_target ? 1 : 0;
    }
    return measures;
}
