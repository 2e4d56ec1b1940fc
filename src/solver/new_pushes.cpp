#include "solver/new_pushes.h"

bool NewPushes::walls_off(const SolverBoard& board, const std::vector<uint8_t>& occupied,
                          const ManWalk& walk, int32_t from) const {
    for (int direction = 0; direction < 4; ++direction) {
        const int32_t next = board.neighbour(from, direction);
        if (board.is_free(next) && !occupied[next] && !walk.reached(next)) return true;
    }
    return false;
}

bool NewPushes::opened(const SolverBoard& board, const std::vector<uint8_t>& occupied,
                       const ManWalk& before, const std::vector<int32_t>& boxes, int32_t to,
                       int32_t man) {
    after.reach(board, occupied, man);
    for (int32_t box : boxes) {
        if (box == to) continue;
        for (int direction = 0; direction < 4; ++direction) {
            const int32_t stand = board.neighbour(box, opposite(direction));
            const int32_t onto = board.neighbour(box, direction);
            if (!after.reached(stand) || before.reached(stand)) continue;
            if (board.is_free(onto) && !occupied[onto] && !board.is_dead(onto)) return true;
        }
    }
    return false;
}
