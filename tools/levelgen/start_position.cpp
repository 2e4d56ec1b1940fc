#include "start_position.h"

#include <algorithm>

#include "arena.h"
#include "generate.h"
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

    std::vector<Puzzle> starts;
    PullResult pulled = pull_search(arena, target_cells, limits.exhaustive_states);
    if (pulled.states <= limits.exhaustive_states) {
        std::shuffle(pulled.farthest.begin(), pulled.farthest.end(), random);
        std::vector<std::pair<std::pair<int, int>, Puzzle>> by_detour;
        for (const StateKey& key : pulled.farthest) {
            if (by_detour.size() == detours_measured) break;
            Puzzle start = placed(room, arena, key);
            by_detour.emplace_back(std::pair{boxes_home(start), straight_line_pushes(start)},
                                   std::move(start));
        }
        // Fewest boxes left at home first, then the longest detour: the fewer pushes the
        // boxes would need alone.
        std::stable_sort(by_detour.begin(), by_detour.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        for (auto& [order, start] : by_detour) {
            if (starts.size() == starts_returned) break;
            starts.push_back(std::move(start));
        }
        return starts;
    }
    SampledOptions search;
    search.state_limit = limits.sampled_states;
    search.beam_width = limits.beam_width;
    search.max_pulls = limits.max_pushes;
    // The sampled search must go deeper than the layer the full search was cut short at.
    const SampledResult sampled =
        sampled_pull_search(arena, target_cells, pulled.depth, random, search);
    for (const SampledPosition& position : sampled.best) {
        if (starts.size() == starts_returned) break;
        starts.push_back(placed(room, arena, position.key));
    }
    return starts;
}
