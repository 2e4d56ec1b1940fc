#include "solver_boards.h"

#include <gtest/gtest.h>

#include "support/board_text.h"

SolverBoard board_of_map(const std::string& map) {
    const auto collection = import_text("; 1\n'x\n" + map + "\n");
    SolverBoard board;
    const auto loaded = board.load(*collection->get_level(0));
    EXPECT_TRUE(loaded) << loaded.words();
    return board;
}

std::vector<uint8_t> occupied_by(const SolverBoard& board, const std::vector<int32_t>& boxes) {
    std::vector<uint8_t> occupied(board.square_count(), 0);
    for (int32_t box : boxes) occupied[box] = 1;
    return occupied;
}
