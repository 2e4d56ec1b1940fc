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

TLevel crowded_room() {
    TLevel level;
    level.create(50, 50);
    for (int32_t r = 0; r < 50; ++r) {
        for (int32_t c = 0; c < 50; ++c) {
            const bool edge = r == 0 || c == 0 || r == 49 || c == 49;
            level.set_cell(c, r, edge ? Cell::wall : Cell::floor);
        }
    }
    for (int32_t i = 0; i < 40; ++i) {
        level.set_cell(3 + 4 * (i % 11), 3 + 4 * (i / 11), Cell::box);
        level.set_cell(3 + 2 * (i % 20), 30 + 2 * (i / 20), Cell::target);
    }
    level.set_start(1, 1);
    return level;
}
