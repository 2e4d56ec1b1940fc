#include "solver_boards.h"

#include <gtest/gtest.h>

#include <algorithm>

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

std::string random_small_map(std::mt19937& random) {
    const int width = 7, height = 6, box_count = 3;
    std::string map;
    std::vector<size_t> inner;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool border = x == 0 || y == 0 || x == width - 1 || y == height - 1;
            map += border || random() % 100 < 15 ? '#' : ' ';
            if (map.back() == ' ') inner.push_back(map.size() - 1);
        }
        map += '\n';
    }
    if (inner.size() < 2 * box_count + 1) return "";
    std::shuffle(inner.begin(), inner.end(), random);
    std::vector<size_t> spots(inner.begin(), inner.end() - 1);
    std::shuffle(spots.begin(), spots.end(), random);
    for (int b = 0; b < box_count; ++b) map[inner[b]] = '$';
    for (int t = 0; t < box_count; ++t) map[spots[t]] = map[spots[t]] == '$' ? '*' : '.';
    map[inner.back()] = '@';
    return map;
}
