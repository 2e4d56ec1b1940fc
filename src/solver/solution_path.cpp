#include "solver/solution_path.h"

#include <algorithm>

#include "level/move_letters.h"
#include "solver/man_walk.h"

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
            steps += move_letter(direction, false);
            square = board.neighbour(square, opposite(direction));
        }
        std::reverse(steps.begin(), steps.end());
        path += steps;
        path += move_letter(push.direction, true);
        occupied[push.box] = 0;
        occupied[board.neighbour(push.box, push.direction)] = 1;
        man = push.box;
    }
    return path;
}
