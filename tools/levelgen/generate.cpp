#include "generate.h"

#include <algorithm>
#include <string>

#include "arena.h"
#include "greedy.h"
#include "level/floor_measures.h"
#include "search.h"
#include "solver/board.h"
#include "solver/solver.h"
#include "trim.h"

Puzzle placed(const Puzzle& room, const Arena& arena, const StateKey& key) {
    Puzzle puzzle = room;
    std::fill(puzzle.boxes.begin(), puzzle.boxes.end(), false);
    for (size_t i = 0; i + 1 < key.size(); ++i) {
        puzzle.boxes[static_cast<size_t>(arena.board_square(key[i]))] = true;
    }
    puzzle.man = arena.board_square(key.back());
    return puzzle;
}

int straight_line_pushes(const Puzzle& puzzle) {
    // The solver's board measures exactly this for its lower bound; a board it cannot read
    // (boxes and targets differ) has no such sum.
    SolverBoard board;
    if (!board.load(game_level(puzzle))) return 0;
    int total = 0;
    for (const int32_t box : board.start_boxes()) {
        int32_t nearest = SolverBoard::unreachable;
        for (size_t target = 0; target < board.targets().size(); ++target) {
            nearest = std::min(nearest, board.push_distance(target, box));
        }
        if (nearest != SolverBoard::unreachable) total += nearest;
    }
    return total;
}

int idle_squares(const Puzzle& puzzle, const SolveLimits& limits) {
    const SolveResult solved = solve_level(game_level(puzzle), Optimise::pushes, limits);
    if (solved.status != SolveStatus::solved) return static_cast<int>(puzzle.squares.size());
    return idle_squares_along(puzzle, solved.path);
}

int idle_squares_along(const Puzzle& puzzle, const std::string& path) {
    FloorMeasures measures;
    if (!measure_floor(game_level(puzzle), path, measures))
        return static_cast<int>(puzzle.squares.size());
    return measures.idle;
}

std::optional<CarvedRoom> carve_floor(std::mt19937& random, const GenerateOptions& options) {
    CarvedRoom carved;
    if (!carve_room(random, options.shape, carved.room)) return std::nullopt;
    carved.board = room_board(carved.room);
    for (int square = 0; square < carved.board.square_count(); ++square) {
        if (carved.board.is_free(square)) carved.floor.push_back(square);
    }
    if (static_cast<int>(carved.floor.size()) < options.boxes * 3) return std::nullopt;
    return carved;
}

std::optional<Generated> generate_level(std::mt19937& random, const GenerateOptions& options) {
    std::optional<CarvedRoom> carved = carve_floor(random, options);
    if (!carved) return std::nullopt;
    const Puzzle& room = carved->room;
    std::vector<int>& floor = carved->floor;
    const Arena arena(carved->board, floor.front());

    std::vector<Generated> candidates;
    for (int attempt = 0; attempt < options.target_tries; ++attempt) {
        std::shuffle(floor.begin(), floor.end(), random);
        std::vector<int> target_cells;
        Puzzle with_targets = room;
        for (int i = 0; i < options.boxes; ++i) {
            with_targets.targets[static_cast<size_t>(floor[static_cast<size_t>(i)])] = true;
            target_cells.push_back(arena.cell_of(floor[static_cast<size_t>(i)]));
        }
        const PullResult pulled = pull_search(arena, target_cells, options.state_limit);
        if (pulled.depth < options.min_pushes || pulled.depth > options.max_pushes) continue;
        for (const StateKey& key : pulled.farthest) {
            Puzzle puzzle = placed(with_targets, arena, key);
            bool box_still_home = false;
            for (size_t square = 0; square < puzzle.squares.size(); ++square) {
                box_still_home |= puzzle.boxes[square] && puzzle.targets[square];
            }
            if (box_still_home) continue;
            const int detour = pulled.depth - straight_line_pushes(puzzle);
            candidates.push_back(Generated{puzzle, pulled.depth, detour, pulled.states});
        }
    }
    std::sort(candidates.begin(), candidates.end(), [](const Generated& a, const Generated& b) {
        return a.pushes != b.pushes ? a.pushes > b.pushes : a.detour > b.detour;
    });
    // Solving is dearer than pulling: look only at the best few.
    const size_t looked_at = std::min<size_t>(candidates.size(), 4);
    for (size_t i = 0; i < looked_at; ++i) {
        if (greedy_player_solves(game_level(candidates[i].puzzle))) continue;
        if (idle_squares(candidates[i].puzzle, options.proof_limits) <= options.max_idle) {
            candidates[i].puzzle = trimmed(candidates[i].puzzle);
            return candidates[i];
        }
    }
    return std::nullopt;
}
