#include "solver/box_sides.h"

#include <algorithm>

void BoxSides::forget(const SolverBoard& board) {
    if (labelled.size() != static_cast<size_t>(board.square_count()) || round == INT32_MAX) {
        labelled.assign(board.square_count(), 0);
        side_label.assign(static_cast<size_t>(board.square_count()) * 4, blocked);
        // One entry past the board stands for every wall, always seen (SolverBoard::floor_step).
        flood_seen.assign(board.square_count() + 1, 0);
        flood_seen.back() = INT32_MAX;
        round = 0;
        flood_stamp = 0;
    }
    ++round;
}

// Each open side gets the lowest side index it is joined to. A walk from a side stops as soon
// as every other open side is met, which in open rooms is a few steps.
const int8_t* BoxSides::labels(const SolverBoard& board, const std::vector<uint8_t>& occupied,
                               int32_t square) {
    int8_t* label = &side_label[static_cast<size_t>(square) * 4];
    if (labelled[square] == round) return label;
    labelled[square] = round;
    int32_t side_square[4];
    int unlabelled = 0;
    for (int side = 0; side < 4; ++side) {
        side_square[side] = board.neighbour(square, side);
        const bool open = board.is_free(side_square[side]) && !occupied[side_square[side]];
        label[side] = open ? static_cast<int8_t>(4) : blocked;
        unlabelled += open ? 1 : 0;
    }
    for (int side = 0; side < 4 && unlabelled > 0; ++side) {
        if (label[side] != 4) continue;
        label[side] = static_cast<int8_t>(side);
        --unlabelled;
        if (flood_stamp == INT32_MAX - 1) {
            std::fill(flood_seen.begin(), flood_seen.end() - 1, 0);
            flood_stamp = 0;
        }
        ++flood_stamp;
        flood_seen[square] = flood_stamp;  // the box
        flood_seen[side_square[side]] = flood_stamp;
        flood.assign(1, side_square[side]);
        for (size_t head = 0; head < flood.size() && unlabelled > 0; ++head) {
            for (int direction = 0; direction < 4; ++direction) {
                const int32_t next = board.floor_step(flood[head], direction);
                if (flood_seen[next] >= flood_stamp || occupied[next]) continue;
                flood_seen[next] = flood_stamp;
                flood.push_back(next);
                for (int other = side + 1; other < 4; ++other) {
                    if (side_square[other] == next && label[other] == 4) {
                        label[other] = static_cast<int8_t>(side);
                        --unlabelled;
                    }
                }
            }
        }
    }
    return label;
}
