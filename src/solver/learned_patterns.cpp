#include "solver/learned_patterns.h"

#include <algorithm>

namespace {
// Boxes farther than this many steps from the pushed box rarely hold it, and bigger groups
// cost more to search than they find.
constexpr int32_t reach = 2;
constexpr size_t largest_group = 4;
// Groups remembered as not dead before the memory is cleared.
constexpr size_t tried_limit = 200000;
}  // namespace

int64_t LearnedPatterns::memory_bytes() const {
    // A set node and its key's few squares, and a pattern with its area.
    const int64_t tried_bytes = 96;
    const int64_t pattern_bytes = sizeof(Pattern) + 64 + static_cast<int64_t>(filed.size());
    return static_cast<int64_t>(tried.size()) * tried_bytes +
           static_cast<int64_t>(patterns.size()) * pattern_bytes +
           static_cast<int64_t>(filed.size() * sizeof(filed.front()));
}

bool LearnedPatterns::matches(const std::vector<int32_t>& boxes,
                              const std::vector<uint8_t>& occupied, int32_t man) const {
    if (filed.empty()) return false;
    for (int32_t box : boxes) {
        for (int32_t index : filed[box]) {
            const Pattern& pattern = patterns[index];
            if (!pattern.area[man]) continue;
            bool all = true;
            for (size_t b = 1; b < pattern.boxes.size() && all; ++b) {
                all = occupied[pattern.boxes[b]] != 0;
            }
            if (all) return true;
        }
    }
    return false;
}

bool LearnedPatterns::learn(const SolverBoard& board, const std::vector<int32_t>& boxes,
                            const std::vector<uint8_t>& occupied, int32_t pushed_to, int32_t man) {
    const size_t count = static_cast<size_t>(board.square_count());
    if (filed.size() != count) {
        filed.assign(count, {});
        local.assign(count, 0);
        distance.assign(count, -1);
    }
    if (boxes.size() < 2) return false;
    // The nearest boxes first, by steps over the floor from the pushed box.
    near.assign(1, pushed_to);
    std::vector<int32_t> frontier{pushed_to}, touched{pushed_to};
    distance[pushed_to] = 0;
    for (size_t head = 0; head < frontier.size() && near.size() < largest_group; ++head) {
        const int32_t square = frontier[head];
        if (distance[square] == reach) continue;
        for (int direction = 0; direction < 4 && near.size() < largest_group; ++direction) {
            const int32_t next = board.neighbour(square, direction);
            if (!board.is_free(next) || distance[next] >= 0) continue;
            distance[next] = distance[square] + 1;
            touched.push_back(next);
            frontier.push_back(next);
            if (occupied[next]) near.push_back(next);
        }
    }
    for (int32_t square : touched) distance[square] = -1;

    std::vector<int32_t> key;
    for (size_t size = 2; size <= near.size(); ++size) {
        group.assign(near.begin(), near.begin() + static_cast<std::ptrdiff_t>(size));
        std::sort(group.begin(), group.end());
        bool home = true;
        for (int32_t box : group) home = home && board.is_target(box);
        if (home) continue;
        for (int32_t box : group) local[box] = 1;
        key = group;
        key.push_back(after.reach(board, local, man));
        for (int32_t box : group) local[box] = 0;
        if (tried.count(key)) continue;
        if (search.dead_end(board, group, man, cap)) {
            keep(board, group, man);
            return true;
        }
        if (tried.size() >= tried_limit) tried.clear();
        tried.insert(key);
    }
    return false;
}

void LearnedPatterns::keep(const SolverBoard& board, const std::vector<int32_t>& group,
                           int32_t man) {
    Pattern pattern{group, std::vector<uint8_t>(static_cast<size_t>(board.square_count()), 0)};
    for (int32_t box : group) local[box] = 1;
    walk.reach(board, local, man);
    for (int32_t box : group) local[box] = 0;
    for (int32_t square = 0; square < board.square_count(); ++square) {
        pattern.area[square] = walk.reached(square);
    }
    filed[group.front()].push_back(static_cast<int32_t>(patterns.size()));
    patterns.push_back(std::move(pattern));
}
