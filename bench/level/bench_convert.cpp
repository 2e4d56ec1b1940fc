// Times converting a large collection in the common level format into the game's format beside
// a plain line-by-line read of the same file, in the same run, and prints both with their
// ratios: the text conversion alone, and all of `pushwell-check --convert` (read, convert,
// write, import with the game's importer, check every level's layout).
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "bench_support.h"
#include "level/level_text_convert.h"
#include "level/map_chars.h"
#include "level_check.h"

namespace {

constexpr int level_count = 1600;
constexpr int board_side = 20;
constexpr int rounds = 7;

// A walled room with pillars and a few boxes and targets (every one of them can reach every
// target, so no level is faulty), written as many public files write it: a label on the map's
// first row, '-' for floor, a Title: line and an author after the map, CR LF line ends.
std::string make_level(int number, std::mt19937& random) {
    std::vector<std::string> rows(board_side, std::string(board_side, common_floor_chars[0]));
    for (int i = 0; i < board_side; ++i) {
        rows[0][i] = rows[board_side - 1][i] = rows[i][0] = rows[i][board_side - 1] =
            map_char::wall;
    }
    for (int r = 2; r < board_side - 2; r += 2) {
        for (int c = 2; c < board_side - 2; c += 2) rows[r][c] = map_char::wall;
    }
    for (const char piece :
         {map_char::box, map_char::box, map_char::box, map_char::box, map_char::target,
          map_char::target, map_char::target, map_char::target, map_char::man}) {
        for (;;) {
            char& square = rows[2 + random() % (board_side - 4)][2 + random() % (board_side - 4)];
            if (square != common_floor_chars[0]) continue;
            square = piece;
            break;
        }
    }
    std::string text = "; " + std::to_string(number) + "\r\n";
    for (const std::string& row : rows) text += row + "\r\n";
    return text + "Title: Room " + std::to_string(number) + "\r\nAuthor: Bench\r\n\r\n";
}

}  // namespace

int main() {
    const std::string in_path = temporary_file("bench-convert");
    if (in_path.empty()) return 1;
    const std::string out_path = in_path + ".out";
    std::mt19937 random(12345);
    std::string text;
    for (int i = 1; i <= level_count; ++i) text += make_level(i, random);
    std::ofstream(in_path, std::ios::binary) << text;

    double best_read = 1e9, best_text = 1e9, best_whole = 1e9;
    size_t lines_read = 0;
    ConvertReport report;
    bool whole_sound = false;
    for (int round = 0; round < rounds; ++round) {
        double start = cpu_seconds();
        std::ifstream file(in_path);
        std::string line;
        lines_read = 0;
        while (std::getline(file, line)) ++lines_read;
        best_read = std::min(best_read, cpu_seconds() - start);

        start = cpu_seconds();
        const std::string converted = convert_level_text(text, report);
        best_text = std::min(best_text, cpu_seconds() - start);

        start = cpu_seconds();
        std::ostringstream said;
        whole_sound = convert_level_file(in_path, out_path, said, said);
        best_whole = std::min(best_whole, cpu_seconds() - start);
    }
    std::remove(in_path.c_str());
    std::remove(out_path.c_str());

    std::printf(
        "bench-convert: %d levels of %d x %d in the common format, best processor time "
        "of %d rounds\n",
        level_count, board_side, board_side, rounds);
    std::printf("  plain line read:        %8.2f ms (%zu lines)\n", best_read * 1e3, lines_read);
    std::printf("  text conversion:        %8.2f ms (%d levels read, %d written)\n",
                best_text * 1e3, report.levels_read, report.levels_written);
    std::printf("  whole --convert:        %8.2f ms (%s)\n", best_whole * 1e3,
                whole_sound ? "no level left out or faulty" : "some levels left out or faulty");
    std::printf("  ratio text conversion / plain read: %.2f\n", best_text / best_read);
    std::printf("  ratio whole --convert / plain read: %.2f\n", best_whole / best_read);
    return report.levels_written == level_count && whole_sound ? 0 : 1;
}
