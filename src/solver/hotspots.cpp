#include "solver/hotspots.h"

#include <chrono>

Hotspots::Hotspots(const SolverBoard& board, double seconds)
    : board(board), square_count(board.square_count()) {
    const auto started = std::chrono::steady_clock::now();
    const std::vector<int32_t>& targets = board.targets();
    std::vector<std::vector<uint8_t>> open_reach(targets.size());
    for (size_t t = 0; t < targets.size(); ++t) {
        pull_from(targets[t], SolverBoard::no_square, open_reach[t]);
    }
    table.assign((static_cast<size_t>(square_count) * square_count + 63) / 64, 0);
    std::vector<uint8_t> walled;
    for (int32_t wall = 0; wall < square_count; ++wall) {
        // A box on a target or a dead square is never a hotspot.
        if (!board.is_free(wall) || board.is_dead(wall) || board.is_target(wall)) continue;
        const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - started;
        if (spent.count() > seconds) {
            table.clear();
            return;
        }
        for (size_t t = 0; t < targets.size(); ++t) {
            const std::vector<uint8_t>& reach = open_reach[t];
            // A wall where neither box nor man ever stands on the way to this target changes
            // nothing.
            bool touched = reach[wall] != 0;
            for (int direction = 0; direction < 4 && !touched; ++direction) {
                const int32_t next = board.neighbour(wall, direction);
                touched = next >= 0 && reach[next];
            }
            if (!touched) continue;
            pull_from(targets[t], wall, walled);
            for (int32_t box = 0; box < square_count; ++box) {
                if (box == wall || !reach[box] || walled[box]) continue;
                const size_t bit = static_cast<size_t>(wall) * square_count + box;
                table[bit / 64] |= uint64_t{1} << (bit % 64);
            }
        }
    }
    ready_ = true;
}

void Hotspots::pull_from(int32_t target, int32_t wall, std::vector<uint8_t>& reach) {
    reach.assign(square_count, 0);
    const auto open = [&](int32_t square) { return square != wall && board.is_free(square); };
    reach[target] = 1;
    queue.assign(1, target);
    for (size_t head = 0; head < queue.size(); ++head) {
        const int32_t box = queue[head];
        for (int direction = 0; direction < 4; ++direction) {
            const int32_t before = board.neighbour(box, opposite(direction));
            if (!open(before) || reach[before]) continue;
            if (!open(board.neighbour(before, opposite(direction)))) continue;
            reach[before] = 1;
            queue.push_back(before);
        }
    }
}

int32_t Hotspots::count(const std::vector<int32_t>& boxes) const {
    if (!ready_) return 0;
    int32_t hot = 0;
    for (int32_t x : boxes) {
        if (board.is_target(x)) continue;
        for (int32_t y : boxes) {
            if (y != x && !board.is_target(y) && cuts(x, y)) {
                ++hot;
                break;
            }
        }
    }
    return hot;
}

void Hotspots::open_position(const std::vector<int32_t>& position) {
    boxes = position;
    cut_count.assign(boxes.size(), 0);
    if (!ready_) return;
    for (size_t x = 0; x < boxes.size(); ++x) {
        if (board.is_target(boxes[x])) continue;
        for (size_t y = 0; y < boxes.size(); ++y) {
            if (y != x && !board.is_target(boxes[y]) && cuts(boxes[x], boxes[y])) ++cut_count[x];
        }
    }
}

// Only the pairs with the moved box change.
int32_t Hotspots::count_after(size_t index, int32_t to) const {
    if (!ready_) return 0;
    const int32_t from = boxes[index];
    const bool from_counts = !board.is_target(from), to_counts = !board.is_target(to);
    int32_t hot = 0, moved_cuts = 0;
    for (size_t x = 0; x < boxes.size(); ++x) {
        if (x == index) continue;
        const int32_t square = boxes[x];
        if (board.is_target(square)) continue;
        const int32_t cutting = cut_count[x] - (from_counts && cuts(square, from) ? 1 : 0) +
                                (to_counts && cuts(square, to) ? 1 : 0);
        hot += cutting > 0 ? 1 : 0;
        if (to_counts && moved_cuts == 0 && cuts(to, square)) moved_cuts = 1;
    }
    return hot + moved_cuts;
}
