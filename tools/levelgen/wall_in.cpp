#include "wall_in.h"

#include "level/floor_measures.h"
#include "play_path.h"
#include "trim.h"

std::optional<WalledIn> walled_in(const Puzzle& puzzle, const std::string& solution) {
    FloorMeasures measures;
    if (!measure_floor(game_level(puzzle), solution, measures)) return std::nullopt;
    // The game's board numbers its squares as the puzzle does.
    WalledIn result{puzzle, measures.idle};
    for (size_t square = 0; square < measures.idle_at.size(); ++square) {
        if (!measures.idle_at[square]) continue;
        result.puzzle.squares[square] = Square::wall;
        result.puzzle.boxes[square] = false;
        result.puzzle.targets[square] = false;
    }
    result.puzzle = trimmed(result.puzzle);
    if (!replay_solves(game_level(result.puzzle), solution)) return std::nullopt;
    return result;
}
