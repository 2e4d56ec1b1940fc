// Times the import of a large level collection beside a plain line-by-line read of the same
// file, in the same run, and prints both with their ratio. The import should stay within
// three times the plain read.
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "bench_support.h"
#include "level/collection.h"
#include "level/map_chars.h"

namespace {

constexpr int level_count = 10000;
constexpr int board_side = 20;
constexpr int rounds = 11;

// A walled 20 x 20 room with scattered inner walls, a few boxes on their own targets and
// elsewhere, and one man: a faultless level, so the import reports nothing.
std::string make_level(int number, std::mt19937& random) {
    std::vector<std::string> rows(board_side, std::string(board_side, map_char::floor));
    for (int i = 0; i < board_side; ++i) {
        rows[0][i] = rows[board_side - 1][i] = rows[i][0] = rows[i][board_side - 1] =
            map_char::wall;
    }
    auto inner = [&]() -> char& {
        return rows[1 + random() % (board_side - 2)][1 + random() % (board_side - 2)];
    };
    for (int i = 0; i < 40; ++i) inner() = map_char::wall;
    int boxes = 0;
    for (int i = 0; i < 6; ++i) {
        char& square = inner();
        if (square == map_char::floor) square = map_char::box, ++boxes;
    }
    for (int placed = 0; placed < boxes;) {
        char& square = inner();
        if (square == map_char::floor) square = map_char::target, ++placed;
    }
    for (;;) {
        char& square = inner();
        if (square == map_char::floor) {
            square = map_char::man;
            break;
        }
    }
    std::string text = "; " + std::to_string(number) + "\n'Room " + std::to_string(number) + "\n";
    for (const std::string& row : rows) text += row + "\n";
    return text + "\n";
}

}  // namespace

int main() {
    const std::string path = temporary_file("bench-import");
    if (path.empty()) return 1;
    std::mt19937 random(12345);
    {
        std::ofstream file(path, std::ios::binary);
        for (int i = 1; i <= level_count; ++i) file << make_level(i, random);
    }
    const std::string directory = path.substr(0, path.rfind('/') + 1);
    const std::string file_name = path.substr(directory.size());

    double best_read = 1e9;
    double best_import = 1e9;
    double best_boards = 1e9;
    size_t lines_read = 0;
    int result = 0;
    int32_t levels_read = 0;
    for (int round = 0; round < rounds; ++round) {
        double start = cpu_seconds();
        std::ifstream file(path);
        std::string line;
        lines_read = 0;
        while (std::getline(file, line)) ++lines_read;
        best_read = std::min(best_read, cpu_seconds() - start);

        start = cpu_seconds();
        TLevelCollection collection;
        result = collection.import(directory, file_name);
        levels_read = collection.level_count();
        best_import = std::min(best_import, cpu_seconds() - start);

        // What the import cannot avoid: fresh memory for every board of 32-bit cells.
        start = cpu_seconds();
        std::vector<TLevel> boards(level_count);
        for (TLevel& board : boards) board.create(board_side, board_side);
        best_boards = std::min(best_boards, cpu_seconds() - start);
    }
    std::remove(path.c_str());

    std::printf("bench-import: %d levels of %d x %d, best processor time of %d rounds\n",
                level_count, board_side, board_side, rounds);
    std::printf("  plain line read: %8.2f ms (%zu lines)\n", best_read * 1e3, lines_read);
    std::printf("  import:          %8.2f ms (result %d, %d levels)\n", best_import * 1e3, result,
                levels_read);
    std::printf("  ratio import / plain read: %.2f (target: at most 3)\n", best_import / best_read);
    std::printf("  of the import, making the empty boards alone: %.2f ms\n", best_boards * 1e3);
    return result == 0 && levels_read == level_count ? 0 : 1;
}
