#include "wall_in_file.h"

#include <vector>

#include "greedy.h"
#include "level/collection.h"
#include "level/game_format_writer.h"
#include "level_text.h"
#include "wall_in.h"

bool wall_in_file(const std::string& path, const SolveLimits& limits, std::ostream& out,
                  std::ostream& err) {
    TLevelCollection collection;
    std::string text;
    std::vector<std::string> messages;
    const int loaded = load_path(collection, path, text, messages);
    for (const auto& message : messages) err << message;
    if (loaded == -1) return false;
    for (int32_t index = 0; index < collection.level_count(); ++index) {
        const TLevel* level = collection.get_level(index);
        const int32_t number = index + 1;
        err << path << " level " << number;
        if (level == nullptr) {
            err << ": no board, left out\n";
            continue;
        }
        // The title as read keeps its line's apostrophe, which the writer puts back.
        const std::string title = level->get_title();
        err << ' ' << title << ": ";
        Puzzle puzzle = puzzle_of(*level);
        const SolveResult solved = solve_level(*level, Optimise::pushes, limits);
        if (solved.status != SolveStatus::solved) {
            err << "not proven, left as it was\n";
        } else if (const auto walled = walled_in(puzzle, solved.path); !walled) {
            err << "the solver's solution does not replay, left as it was\n";
        } else if (greedy_player_solves(game_level(walled->puzzle))) {
            err << "a greedy player would solve it walled in, left as it was\n";
        } else {
            err << walled->walled << " idle squares walled in, " << solved.pushes << " pushes\n";
            puzzle = walled->puzzle;
        }
        out << game_level_text(number, title.empty() ? title : title.substr(1),
                               format_rows(puzzle));
    }
    return true;
}
