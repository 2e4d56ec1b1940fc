#include "search.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <unordered_map>

namespace {

// The box cells of a position and where the man can walk in it.
struct Position {
    std::vector<uint8_t> occupied;
    std::vector<uint32_t> reachable;
    uint32_t mark = 0;

    explicit Position(const Arena& arena)
        : occupied(static_cast<size_t>(arena.size()), 0),
          reachable(static_cast<size_t>(arena.size()), 0) {}

    void place(const StateKey& key, size_t box_count, bool present) {
        for (size_t i = 0; i < box_count; ++i) occupied[key[i]] = present ? 1 : 0;
    }
};

// Positions already met, filed by their box layout: each layout keeps the areas the man has
// been met in, so that most repeats are spotted without walking the man's area again (that
// walk is where a search spends its time).
class SeenPositions {
  public:
    explicit SeenPositions(const Arena& arena)
        : words(static_cast<size_t>((arena.size() + 63) / 64)) {}

    bool contains(const StateKey& boxes, int man) const {
        const auto found = areas.find(boxes);
        if (found == areas.end()) return false;
        const auto word = static_cast<size_t>(man / 64);
        const uint64_t bit = uint64_t{1} << (man % 64);
        for (size_t area = 0; area < found->second.size(); area += words) {
            if (found->second[area + word] & bit) return true;
        }
        return false;
    }

    // Files the area marked in `position` under these boxes.
    void add(const StateKey& boxes, const Position& position) {
        auto& filed = areas[boxes];
        const size_t first = filed.size();
        filed.resize(first + words, 0);
        for (size_t cell = 0; cell < position.reachable.size(); ++cell) {
            if (position.reachable[cell] == position.mark) {
                filed[first + cell / 64] |= uint64_t{1} << (cell % 64);
            }
        }
        ++count;
    }

    size_t size() const { return count; }

  private:
    size_t words;
    size_t count = 0;
    std::unordered_map<StateKey, std::vector<uint64_t>, StateKeyHash> areas;
};

// The position after one box of `key` moves to `to` with the man on `man`, unless it was met
// before. Box cells stay in rising order; the man's place ends the key.
std::optional<StateKey> unseen_move(const Arena& arena, const StateKey& key, size_t box, int to,
                                    int man, Position& scratch, SeenPositions& seen) {
    const size_t box_count = key.size() - 1;
    StateKey boxes = key.substr(0, box_count);
    boxes[box] = static_cast<char16_t>(to);
    std::sort(boxes.begin(), boxes.end());
    if (seen.contains(boxes, man)) return std::nullopt;
    scratch.occupied[key[box]] = 0;
    scratch.occupied[static_cast<size_t>(to)] = 1;
    const int place = arena.reach(scratch.occupied, man, scratch.reachable, ++scratch.mark);
    scratch.occupied[static_cast<size_t>(to)] = 0;
    scratch.occupied[key[box]] = 1;
    seen.add(boxes, scratch);
    boxes.push_back(static_cast<char16_t>(place));
    return boxes;
}

}  // namespace

PullResult pull_search(const Arena& arena, const std::vector<int>& target_cells,
                       size_t state_limit) {
    PullResult result;
    StateKey solved;
    for (int cell : target_cells) solved.push_back(static_cast<char16_t>(cell));
    std::sort(solved.begin(), solved.end());
    const size_t box_count = solved.size();

    Position here(arena);
    Position there(arena);
    here.place(solved, box_count, true);
    there.place(solved, box_count, true);
    // The man may finish anywhere, so every area he could be in starts the search.
    SeenPositions seen(arena);
    std::vector<StateKey> layer;
    for (int cell = 0; cell < arena.size(); ++cell) {
        if (here.occupied[static_cast<size_t>(cell)] || seen.contains(solved, cell)) continue;
        StateKey start(solved);
        start.push_back(
            static_cast<char16_t>(arena.reach(here.occupied, cell, here.reachable, ++here.mark)));
        seen.add(solved, here);
        layer.push_back(start);
    }
    here.place(solved, box_count, false);
    there.place(solved, box_count, false);

    for (int depth = 0;; ++depth) {
        std::vector<StateKey> next_layer;
        for (const StateKey& key : layer) {
            if (seen.size() > state_limit) break;
            here.place(key, box_count, true);
            there.place(key, box_count, true);
            arena.reach(here.occupied, key[box_count], here.reachable, ++here.mark);
            for (size_t box = 0; box < box_count; ++box) {
                for (int d = 0; d < 4; ++d) {
                    const int man = arena.neighbour(key[box], d);
                    if (man < 0 || here.reachable[static_cast<size_t>(man)] != here.mark) continue;
                    const int retreat = arena.neighbour(man, d);
                    if (retreat < 0 || here.occupied[static_cast<size_t>(retreat)]) continue;
                    auto next = unseen_move(arena, key, box, man, retreat, there, seen);
                    if (next) next_layer.push_back(std::move(*next));
                }
            }
            here.place(key, box_count, false);
            there.place(key, box_count, false);
        }
        if (next_layer.empty() || seen.size() > state_limit) {
            // A layer cut short by the limit still holds exact depths: the deepest one wins.
            if (next_layer.empty()) {
                result.depth = depth;
                result.farthest = std::move(layer);
            } else {
                result.depth = depth + 1;
                result.farthest = std::move(next_layer);
            }
            result.states = seen.size();
            return result;
        }
        layer = std::move(next_layer);
    }
}
