#include "solver/board.h"

#include <algorithm>
#include <deque>

#include "level/map_validation.h"
#include "solver/window_search.h"

Outcome<SolverBoard::LoadError> SolverBoard::load(const TLevel& level, int64_t memory_bytes) {
    // The game's own verdict on the level, in its words.
    const Outcome<MapFault::Kind> judged = check_built_level(level);
    if (!judged) return Outcome<LoadError>::failure(LoadError::refused, judged.words());
    load_room(level);
    // One distance per target and square, and the estimate's boxes x targets matrix.
    const int64_t targets = static_cast<int64_t>(targets_.size());
    const int64_t table_bytes = (targets * static_cast<int64_t>(free_.size()) + targets * targets) *
                                int64_t{sizeof(int32_t)};
    if (table_bytes > memory_bytes) return Outcome<LoadError>::failure(LoadError::memory, "memory");
    measure_push_distances();
    find_floor_steps();
    WindowSearch::Limits limits;
    limits.memory_bytes = std::min(limits.memory_bytes, (memory_bytes - table_bytes) / 8);
    WindowSearch().find(*this, limits, dead_groups_);
    return {};
}

void SolverBoard::find_floor_steps() {
    const int32_t count = square_count();
    floor_steps_.assign(static_cast<size_t>(count) * 4, count);
    for (int32_t square = 0; square < count; ++square) {
        for (int direction = 0; direction < 4; ++direction) {
            const int32_t next = neighbour(square, direction);
            if (is_free(next)) floor_steps_[static_cast<size_t>(square) * 4 + direction] = next;
        }
    }
}

// Pulls a lone box back from each target: the squares it gets to are those from which a box
// can be pushed home, and the number of pulls is the number of pushes. The man needs a square
// to stand on behind the box; his start square counts, since the first push may start there.
void SolverBoard::measure_push_distances() {
    const auto standable = [&](int32_t square) {
        return square != no_square && (free_[square] || square == man_start_);
    };
    push_distance_.assign(targets_.size(), std::vector<int32_t>(free_.size(), unreachable));
    dead_.assign(free_.size(), 1);
    std::deque<int32_t> queue;
    for (size_t t = 0; t < targets_.size(); ++t) {
        std::vector<int32_t>& distance = push_distance_[t];
        distance[targets_[t]] = 0;
        queue.assign(1, targets_[t]);
        while (!queue.empty()) {
            const int32_t box = queue.front();
            queue.pop_front();
            dead_[box] = 0;
            for (int direction = 0; direction < 4; ++direction) {
                // The box came from `before`, pushed in `direction` by a man at `behind`.
                const int32_t before = neighbour(box, opposite(direction));
                if (before == no_square || !free_[before]) continue;
                if (!standable(neighbour(before, opposite(direction)))) continue;
                if (distance[before] != unreachable) continue;
                distance[before] = distance[box] + 1;
                queue.push_back(before);
            }
        }
    }
}

// Per square: the push distance to every target, four neighbours, four floor steps and three
// flags.
int64_t SolverBoard::memory_bytes() const {
    return static_cast<int64_t>(free_.size()) *
               (static_cast<int64_t>(targets_.size()) * 4 + 2 * 4 * 4 + 3) +
           dead_groups_.memory_bytes();
}
