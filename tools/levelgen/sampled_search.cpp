#include "sampled_search.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <unordered_set>

namespace {

// A position met, with the pull that led to it from its parent.
struct Node {
    StateKey key;
    int parent = -1;
    Pull pull;
    int lower_bound = 0;
    double score = 0;
};

int bound_of(const StateKey& key, size_t box_count, const std::vector<int>& nearest) {
    int sum = 0;
    for (size_t i = 0; i < box_count; ++i) sum += nearest[key[i]];
    return sum;
}

}  // namespace

std::vector<int> nearest_target_pushes(const Arena& arena, const std::vector<int>& target_cells) {
    std::vector<int> pushes(static_cast<size_t>(arena.size()), -1);
    std::vector<int> pending;
    for (const int target : target_cells) {
        pushes[static_cast<size_t>(target)] = 0;
        pending.push_back(target);
    }
    // Pulling a box from `cell` one cell on needs that cell and the one beyond it free.
    for (size_t next = 0; next < pending.size(); ++next) {
        const int cell = pending[next];
        for (int d = 0; d < 4; ++d) {
            const int to = arena.neighbour(cell, d);
            if (to < 0 || arena.neighbour(to, d) < 0 || pushes[static_cast<size_t>(to)] >= 0)
                continue;
            pushes[static_cast<size_t>(to)] = pushes[static_cast<size_t>(cell)] + 1;
            pending.push_back(to);
        }
    }
    return pushes;
}

SampledResult sampled_pull_search(const Arena& arena, const std::vector<int>& target_cells,
                                  int min_pulls, std::mt19937& random,
                                  const SampledOptions& options) {
    const std::vector<int> nearest = nearest_target_pushes(arena, target_cells);
    std::uniform_real_distribution<double> jitter(0.0, 1.0);
    StateKey solved;
    for (const int cell : target_cells) solved.push_back(static_cast<char16_t>(cell));
    std::sort(solved.begin(), solved.end());
    const size_t box_count = solved.size();

    std::vector<uint8_t> occupied(static_cast<size_t>(arena.size()), 0);
    std::vector<uint32_t> reachable(static_cast<size_t>(arena.size()), 0);
    std::vector<uint8_t> man_area(reachable.size());
    uint32_t mark = 0;
    // Positions carried on are never met again; those dropped may come back by another way.
    std::unordered_set<StateKey, StateKeyHash> seen;
    std::unordered_set<StateKey, StateKeyHash> in_layer;
    size_t met = 0;
    std::vector<Node> nodes;
    std::vector<int> layer;
    for (const int cell : target_cells) occupied[static_cast<size_t>(cell)] = 1;
    for (int cell = 0; cell < arena.size(); ++cell) {
        if (occupied[static_cast<size_t>(cell)]) continue;
        StateKey start(solved);
        start.push_back(static_cast<char16_t>(arena.reach(occupied, cell, reachable, ++mark)));
        if (!seen.insert(start).second) continue;
        ++met;
        layer.push_back(static_cast<int>(nodes.size()));
        nodes.push_back(Node{start, -1, Pull{}, 0, 0});
    }
    for (const int cell : target_cells) occupied[static_cast<size_t>(cell)] = 0;

    SampledResult result;
    // Nodes deep enough to be returned, with how well their pulls were spent: each pull that
    // took a box farther from home counts for it, each other pull against, so that positions
    // reached by a roundabout way (whose solutions waste pushes) come last.
    std::vector<std::pair<double, int>> pool;
    std::vector<Node> children;
    for (int depth = 1; depth <= options.max_pulls && !layer.empty(); ++depth) {
        children.clear();
        in_layer.clear();
        for (const int index : layer) {
            if (met > options.state_limit) break;
            const StateKey key = nodes[static_cast<size_t>(index)].key;
            for (size_t i = 0; i < box_count; ++i) occupied[key[i]] = 1;
            const uint32_t here = ++mark;
            arena.reach(occupied, key[box_count], reachable, here);
            for (size_t cell = 0; cell < reachable.size(); ++cell)
                man_area[cell] = reachable[cell] == here;
            for (size_t box = 0; box < box_count; ++box) {
                for (int d = 0; d < 4; ++d) {
                    const int man = arena.neighbour(key[box], d);
                    if (man < 0 || !man_area[static_cast<size_t>(man)]) continue;
                    const int retreat = arena.neighbour(man, d);
                    if (retreat < 0 || occupied[static_cast<size_t>(retreat)]) continue;
                    StateKey next = key.substr(0, box_count);
                    next[box] = static_cast<char16_t>(man);
                    std::sort(next.begin(), next.end());
                    occupied[key[box]] = 0;
                    occupied[static_cast<size_t>(man)] = 1;
                    next.push_back(
                        static_cast<char16_t>(arena.reach(occupied, retreat, reachable, ++mark)));
                    occupied[static_cast<size_t>(man)] = 0;
                    occupied[key[box]] = 1;
                    if (seen.count(next) || !in_layer.insert(next).second) continue;
                    ++met;
                    const int bound = bound_of(next, box_count, nearest);
                    children.push_back(
                        Node{next, index, Pull{key[box], d}, bound, bound + jitter(random)});
                }
            }
            for (size_t i = 0; i < box_count; ++i) occupied[key[i]] = 0;
        }
        if (children.empty()) break;
        const size_t kept = std::min(children.size(), options.beam_width);
        std::partial_sort(children.begin(), children.begin() + static_cast<long>(kept),
                          children.end(),
                          [](const Node& a, const Node& b) { return a.score > b.score; });
        layer.clear();
        for (size_t i = 0; i < kept; ++i) {
            layer.push_back(static_cast<int>(nodes.size()));
            if (depth >= min_pulls) {
                pool.emplace_back(2 * children[i].score - depth, static_cast<int>(nodes.size()));
            }
            seen.insert(children[i].key);
            nodes.push_back(std::move(children[i]));
        }
        result.depth = depth;
        if (met > options.state_limit) break;
    }
    result.states = met;

    const size_t returned = std::min(pool.size(), options.keep);
    std::partial_sort(pool.begin(), pool.begin() + static_cast<long>(returned), pool.end(),
                      std::greater<>());
    for (size_t i = 0; i < returned; ++i) {
        const Node& node = nodes[static_cast<size_t>(pool[i].second)];
        SampledPosition position{node.key, {}, node.lower_bound};
        for (int at = pool[i].second; nodes[static_cast<size_t>(at)].parent >= 0;
             at = nodes[static_cast<size_t>(at)].parent) {
            position.pulls.push_back(nodes[static_cast<size_t>(at)].pull);
        }
        std::reverse(position.pulls.begin(), position.pulls.end());
        result.best.push_back(std::move(position));
    }
    return result;
}
