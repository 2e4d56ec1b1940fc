#include "solver/solution_path.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "level/rules.h"
#include "solver/man_walk.h"

namespace {
const char step_letters[] = "lrud";
const char push_letters[] = "LRUD";
}  // namespace

std::string spell_path(const SolverBoard& board, const std::vector<Push>& pushes) {
    std::vector<uint8_t> occupied(board.square_count(), 0);
    for (int32_t box : board.start_boxes()) occupied[box] = 1;
    int32_t man = board.man_start();
    ManWalk walk;
    std::string path;
    for (const Push& push : pushes) {
        const int32_t behind = board.neighbour(push.box, opposite(push.direction));
        walk.walk(board, occupied, man);
        if (!walk.reached(behind)) break;  // cannot happen for a found solution; replay tells
        std::string steps;
        for (int32_t square = behind; square != man;) {
            const int direction = walk.arrival(square);
            steps += step_letters[direction];
            square = board.neighbour(square, opposite(direction));
        }
        std::reverse(steps.begin(), steps.end());
        path += steps;
        path += push_letters[push.direction];
        occupied[push.box] = 0;
        occupied[board.neighbour(push.box, push.direction)] = 1;
        man = push.box;
    }
    return path;
}

bool replay_path(const TLevel& level, const std::string& path, int32_t& moves, int32_t& pushes) {
    TPlayLevel play;
    play.copy_from(level);
    moves = 0;
    pushes = 0;
    for (const char letter : path) {
        const char* found =
            std::strchr(step_letters, std::tolower(static_cast<unsigned char>(letter)));
        if (letter == '\0' || found == nullptr) return false;
        const int32_t direction = static_cast<int32_t>(found - step_letters) + 1;
        const bool is_push = std::isupper(static_cast<unsigned char>(letter)) != 0;
        const int32_t result = move(play, direction);
        if (result != (is_push ? move_push : move_step)) return false;
        ++moves;
        if (is_push) ++pushes;
    }
    return play.is_solved();
}
