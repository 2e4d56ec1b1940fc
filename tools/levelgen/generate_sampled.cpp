#include "generate_sampled.h"

#include <algorithm>

#include "arena.h"
#include "greedy.h"
#include "level/board_room.h"
#include "level/directions.h"
#include "level/move_letters.h"
#include "play_path.h"
#include "sampled_search.h"
#include "trim.h"

std::string solution_undoing(const Puzzle& puzzle, const Arena& arena,
                             const std::vector<Pull>& pulls) {
    TPlayLevel play;
    play.copy_from(game_level(puzzle));
    std::string letters;
    for (auto pull = pulls.rbegin(); pull != pulls.rend(); ++pull) {
        const int box = arena.neighbour(pull->from, pull->direction);
        const int man = arena.board_square(arena.neighbour(box, pull->direction));
        const auto walk = walk_to(play, puzzle.column_of(man), puzzle.row_of(man));
        if (!walk) return std::string();
        const std::string moves = *walk + move_letter(opposite(pull->direction), true);
        if (!play_moves(play, moves)) return std::string();
        letters += moves;
    }
    return play.is_solved() ? letters : std::string();
}

double level_score(const SolutionMeasures& measures, int lower_bound, int idle, int open_blocks) {
    const double tangle =
        measures.pushes == 0
            ? 0.0
            : static_cast<double>(measures.box_changes + measures.sessions) / measures.pushes;
    return lower_bound * tangle - 2.0 * idle - open_blocks;
}

int open_blocks(const Puzzle& puzzle) {
    int open = 0;
    for (int row = 0; row + 1 < puzzle.height; ++row) {
        for (int column = 0; column + 1 < puzzle.width; ++column) {
            bool floor = true;
            for (int square : {puzzle.index(column, row), puzzle.index(column + 1, row),
                               puzzle.index(column, row + 1), puzzle.index(column + 1, row + 1)}) {
                floor = floor && puzzle.squares[static_cast<size_t>(square)] == Square::floor;
            }
            open += floor ? 1 : 0;
        }
    }
    return open;
}

std::optional<SampledLevel> generate_sampled_level(std::mt19937& random,
                                                   const GenerateOptions& options,
                                                   const SampledChoice& choice) {
    std::optional<CarvedRoom> carved = carve_floor(random, options);
    if (!carved) return std::nullopt;
    const Puzzle& room = carved->room;
    std::vector<int>& floor = carved->floor;
    const Arena arena(carved->board, floor.front());
    const int room_open = open_blocks(room);

    SampledOptions search;
    search.state_limit = options.state_limit;
    search.beam_width = choice.beam_width;
    search.max_pulls = options.max_pushes;
    std::optional<SampledLevel> best;
    for (int attempt = 0; attempt < options.target_tries; ++attempt) {
        std::shuffle(floor.begin(), floor.end(), random);
        if (choice.clustered_targets) nearest_first(arena, floor);
        std::vector<int> target_cells;
        Puzzle with_targets = room;
        for (int i = 0; i < options.boxes; ++i) {
            with_targets.targets[static_cast<size_t>(floor[static_cast<size_t>(i)])] = true;
            target_cells.push_back(arena.cell_of(floor[static_cast<size_t>(i)]));
        }
        const SampledResult pulled =
            sampled_pull_search(arena, target_cells, options.min_pushes, random, search);
        for (const SampledPosition& position : pulled.best) {
            const Puzzle puzzle = placed(with_targets, arena, position.key);
            bool box_still_home = false;
            for (size_t square = 0; square < puzzle.squares.size(); ++square) {
                box_still_home |= puzzle.boxes[square] && puzzle.targets[square];
            }
            if (box_still_home) continue;
            SampledLevel level;
            level.puzzle = puzzle;
            level.solution = solution_undoing(puzzle, arena, position.pulls);
            if (level.solution.empty()) continue;
            level.measures = measure_solution(level.solution);
            level.lower_bound = position.lower_bound;
            level.idle = idle_squares_along(puzzle, level.solution);
            level.open_blocks = room_open;
            level.score =
                level_score(level.measures, level.lower_bound, level.idle, level.open_blocks);
            level.states = pulled.states;
            if (level.idle > options.max_idle || (best && best->score >= level.score)) continue;
            // The dearest test last, and only for a level that would win.
            if (greedy_player_solves(game_level(puzzle))) continue;
            best = std::move(level);
        }
    }
    if (!best) return std::nullopt;
    best->puzzle = trimmed(best->puzzle);
    // Trimming only crops the board, so the same letters must still solve it.
    if (!replay_solves(game_level(best->puzzle), best->solution)) return std::nullopt;
    return best;
}
