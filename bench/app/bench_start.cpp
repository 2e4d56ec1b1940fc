// The time from the game's start to its title menu's first frame: the fonts opened, every
// collection imported, the tile sets and the background loaded, the results read, the menu
// drawn and shown. Timed with the whole shipped library and, in the same run, with the first
// three collections alone (the tutorial and the two smallest, 98 levels), on the dummy video driver
// in a 32-bit window of the game's start size. Prints the median of each and their ratio.
#include <SDL.h>
#include <SDL_ttf.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/game.h"
#include "bench_support.h"
#include "gfx/colours.h"

namespace fs = std::filesystem;

namespace {

constexpr int rounds = 21;

// A working directory as the launcher makes one: the shipped pictures and fonts linked in, and
// the given collections of the shipped levels.
fs::path game_directory(const fs::path& root, const fs::path& data,
                        const std::vector<std::string>& collections) {
    fs::create_directories(root / "levels");
    fs::create_directory_symlink(data / "gfx", root / "gfx");
    for (const auto& name : collections)
        fs::create_symlink(data / "levels" / name, root / "levels" / name);
    return root;
}

// Milliseconds from an empty game object to the title menu on the screen, in `directory`.
double first_frame_ms(const fs::path& directory) {
    fs::current_path(directory);
    const auto start = std::chrono::steady_clock::now();
    double spent = -1;
    {
        TGame game;
        if (!game.set_video_mode(800, 600, 32) || game.init() != 0) return -1;
        game.draw_title_bar();
        game.draw_status_bar(version_text, grey);
        game.draw_title_menu(1);
        game.flip();
        spent = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count();
    }
    fs::remove(directory / score_file_name);
    return spent;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    const fs::path data = argc > 1 ? fs::path(argv[1]) : fs::path(PUSHWELL_ROOT);
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    if (SDL_Init(SDL_INIT_VIDEO) != 0 || TTF_Init() != 0) {
        std::fprintf(stderr, "bench-start: %s\n", SDL_GetError());
        return 1;
    }
    std::string scratch = (fs::temp_directory_path() / "bench-start-XXXXXX").string();
    if (!mkdtemp(scratch.data())) {
        std::perror("bench-start: temporary directory");
        return 1;
    }
    std::vector<std::string> everything;
    for (const auto& entry : fs::directory_iterator(data / "levels"))
        everything.push_back(entry.path().filename().string());
    const fs::path library = game_directory(fs::path(scratch) / "library", data, everything);
    const fs::path first =
        game_directory(fs::path(scratch) / "first", data,
                       {std::begin(first_collections), std::end(first_collections)});

    std::vector<double> library_ms, first_ms;
    for (int round = 0; round < rounds; ++round) {
        first_ms.push_back(first_frame_ms(first));
        library_ms.push_back(first_frame_ms(library));
    }
    fs::current_path(data);
    fs::remove_all(scratch);
    TTF_Quit();
    SDL_Quit();
    if (*std::min_element(first_ms.begin(), first_ms.end()) < 0 ||
        *std::min_element(library_ms.begin(), library_ms.end()) < 0) {
        std::fprintf(stderr, "bench-start: the game did not start in %s\n", data.c_str());
        return 1;
    }
    std::printf("bench-start: start to the title menu's first frame, median of %d runs\n", rounds);
    std::printf(
        "  the first three collections: %.2f ms\n  the whole library (%zu collections): "
        "%.2f ms\n  ratio: %.2f\n",
        median(first_ms), everything.size(), median(library_ms),
        median(library_ms) / median(first_ms));
    return 0;
}
