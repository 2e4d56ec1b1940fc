#include "start_position.h"

#include <algorithm>

#include "arena.h"
#include "generate.h"
#include "level/directions.h"
#include "sampled_search.h"
#include "search.h"

namespace {

// Farthest positions looked at for their detour: enough to find a tangled one, few enough
// that the solver's board (which measures the detour) is not loaded thousands of times.
constexpr size_t detours_measured = 24;
constexpr size_t starts_returned = 3;

int boxes_home(const Puzzle& puzzle) {
    int home = 0;
    for (size_t square = 0; square < puzzle.squares.size(); ++square) {
        home += puzzle.boxes[square] && puzzle.targets[square] ? 1 : 0;
    }
    return home;
}

// The starts of least rank, as many as are returned; equal ranks keep their order.
template <typename Rank>
std::vector<Puzzle> best_ranked(std::vector<std::pair<Rank, Puzzle>> ranked) {
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<Puzzle> starts;
    for (auto& [rank, start] : ranked) {
        if (starts.size() == starts_returned) break;
        starts.push_back(std::move(start));
    }
    return starts;
}

// The deepest positions of a pull search, the fewest boxes left at home first, then the
// longest detour: the fewer pushes the boxes would need alone.
std::vector<Puzzle> deepest(const Puzzle& room, const Arena& arena, PullResult& pulled,
                            std::mt19937& random) {
    std::shuffle(pulled.farthest.begin(), pulled.farthest.end(), random);
    std::vector<std::pair<std::pair<int, int>, Puzzle>> ranked;
    for (const StateKey& key : pulled.farthest) {
        if (ranked.size() == detours_measured) break;
        Puzzle start = placed(room, arena, key);
        ranked.emplace_back(std::pair{boxes_home(start), straight_line_pushes(start)},
                            std::move(start));
    }
    return best_ranked(std::move(ranked));
}

}  // namespace

std::vector<Puzzle> pulled_starts(const Puzzle& room, std::mt19937& random,
                                  const PullLimits& limits) {
    const BoardRoom board = room_board(room);
    std::vector<int> target_cells;
    int first_floor = -1;
    for (int square = 0; square < board.square_count(); ++square) {
        if (board.is_free(square) && first_floor < 0) first_floor = square;
    }
    if (first_floor < 0) return {};
    const Arena arena(board, first_floor);
    for (const int32_t target : board.targets()) target_cells.push_back(arena.cell_of(target));

    PullResult pulled = pull_search(arena, target_cells, limits.exhaustive_states);
    if (pulled.states <= limits.exhaustive_states) return deepest(room, arena, pulled, random);
    SampledOptions search;
    search.state_limit = limits.sampled_states;
    search.beam_width = limits.beam_width;
    search.max_pulls = limits.max_pushes;
    // The sampled search must go deeper than the layer the full search was cut short at;
    // when its beam cannot, that layer's positions are the deepest known.
    const SampledResult sampled =
        sampled_pull_search(arena, target_cells, pulled.depth, random, search);
    if (sampled.best.empty()) return deepest(room, arena, pulled, random);
    // A box left at home is walled in with its target, so those with the fewest come first.
    std::vector<std::pair<int, Puzzle>> ranked;
    for (const SampledPosition& position : sampled.best) {
        Puzzle start = placed(room, arena, position.key);
        ranked.emplace_back(boxes_home(start), std::move(start));
    }
    return best_ranked(std::move(ranked));
}

Puzzle pulled_on(const Puzzle& start, int pulls, std::mt19937& random) {
    const Arena arena(start, start.man);
    std::vector<uint8_t> occupied(static_cast<size_t>(arena.size()), 0);
    std::vector<int> targets;
    for (int cell = 0; cell < arena.size(); ++cell) {
        const auto square = static_cast<size_t>(arena.board_square(cell));
        occupied[static_cast<size_t>(cell)] = start.boxes[square] ? 1 : 0;
        if (start.targets[square]) targets.push_back(cell);
    }
    const std::vector<int> home = nearest_target_pushes(arena, targets);
    std::vector<uint32_t> reached(occupied.size(), 0);
    int man = arena.cell_of(start.man);
    for (int pull = 0; pull < pulls; ++pull) {
        arena.reach(occupied, man, reached, static_cast<uint32_t>(pull + 1));
        // Each pull as (box cell, direction), outward ones entered thrice.
        std::vector<std::pair<int, int>> drawn;
        for (int box = 0; box < arena.size(); ++box) {
            if (!occupied[static_cast<size_t>(box)]) continue;
            for (int d = 0; d < direction_count; ++d) {
                const int to = arena.neighbour(box, d);
                if (to < 0 || reached[static_cast<size_t>(to)] != static_cast<uint32_t>(pull + 1))
                    continue;
                const int retreat = arena.neighbour(to, d);
                if (retreat < 0 || occupied[static_cast<size_t>(retreat)]) continue;
                const bool outward = home[static_cast<size_t>(to)] > home[static_cast<size_t>(box)];
                for (int copy = 0; copy < (outward ? 3 : 1); ++copy) drawn.emplace_back(box, d);
            }
        }
        if (drawn.empty()) break;
        const auto [box, d] =
            drawn[std::uniform_int_distribution<size_t>(0, drawn.size() - 1)(random)];
        const int to = arena.neighbour(box, d);
        occupied[static_cast<size_t>(box)] = 0;
        occupied[static_cast<size_t>(to)] = 1;
        man = arena.neighbour(to, d);
    }
    Puzzle pulled = start;
    for (int cell = 0; cell < arena.size(); ++cell) {
        pulled.boxes[static_cast<size_t>(arena.board_square(cell))] =
            occupied[static_cast<size_t>(cell)] != 0;
    }
    pulled.man = arena.board_square(man);
    return pulled;
}
