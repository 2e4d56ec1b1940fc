// The checker's solution of a shipped level, typed into the real play screen as arrow keys:
// the game must accept it move for move and file exactly the checker's counts in "scores.xml".
#include <SDL.h>
#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "app/game.h"
#include "level/collection.h"
#include "level/directions.h"
#include "level/move_letters.h"
#include "score/high_score.h"
#include "solver/solver.h"
#include "support/first_collections.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;

namespace {
// SDL 1.2 queues at most 128 events; the whole replay is queued before the screen starts.
constexpr size_t event_room = 120;

struct Chosen {
    fs::path file;
    int32_t index = -1;
    SolveResult result;
};

// The level of the first shipped collections with the longest solution whose key presses fit
// the event queue (no level of the later ones is solved in so few moves).
Chosen choose_shipped_level() {
    std::vector<fs::path> files;
    for (const char* name : first_collections)
        files.push_back(fs::path(PUSHWELL_ROOT) / "levels" / name);
    std::sort(files.begin(), files.end());
    Chosen chosen;
    for (const fs::path& file : files) {
        TLevelCollection collection;
        if (import_path(collection, file.string()) != 0) continue;
        for (int32_t index = 0; index < collection.level_count(); ++index) {
            const TLevel* level = collection.get_level(index);
            if (level == nullptr) continue;
            const SolveResult result = solve_level(*level, Optimise::pushes, SolveLimits());
            const size_t events = static_cast<size_t>(index) + 2 * result.path.size() + 1;
            if (result.status != SolveStatus::solved || events > event_room) continue;
            if (chosen.index < 0 || result.moves > chosen.result.moves) {
                chosen = {file, index, result};
            }
        }
    }
    return chosen;
}

void push_key(SDLKey key, Uint8 type) {
    SDL_Event event{};
    event.type = type;
    event.key.type = type;
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = key;
    ASSERT_EQ(SDL_PushEvent(&event), 0);
}

SDLKey arrow_for(char letter) {
    // By direction index: left, right, up, down.
    constexpr SDLKey arrows[direction_count] = {SDLK_LEFT, SDLK_RIGHT, SDLK_UP, SDLK_DOWN};
    int direction = 0;
    bool push = false;
    EXPECT_TRUE(read_move_letter(letter, direction, push)) << letter;
    return arrows[direction];
}
}  // namespace

TEST(ReplayInGame, CheckersSolutionIsRecordedWithItsCounts) {
    const Chosen chosen = choose_shipped_level();
    if (chosen.index < 0) GTEST_SKIP() << "no shipped level with a short enough solution";
    const std::string name = chosen.file.filename().string();
    std::cout << "replaying " << name << " level " << chosen.index + 1 << ": " << chosen.result.path
              << std::endl;

    TempDir folder;
    fs::create_directories(folder.file("gfx"));
    fs::create_directories(folder.file("levels"));
    for (const char* data : {"base02.ttf", "vera.ttf", "skin50.bmp", "skin40.bmp", "skin30.bmp",
                             "skin20.bmp", "skin12.bmp", "back.bmp"}) {
        const fs::path source = fs::path(PUSHWELL_ROOT) / "gfx" / data;
        if (fs::exists(source)) fs::create_symlink(source, folder.file("gfx/") + data);
    }
    fs::copy_file(chosen.file, folder.file("levels/") + name);
    // The game reads and writes its files relative to the working directory.
    struct WorkingDirectory {
        fs::path old = fs::current_path();
        explicit WorkingDirectory(const fs::path& now) { fs::current_path(now); }
        ~WorkingDirectory() { fs::current_path(old); }
    } working_directory(folder.file(""));

    setenv("SDL_VIDEODRIVER", "dummy", 1);
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER), 0) << SDL_GetError();
    ASSERT_EQ(TTF_Init(), 0);
    auto game = std::make_unique<TGame>();
    game->video_flags = SDL_HWSURFACE | SDL_RESIZABLE | SDL_DOUBLEBUF;
    ASSERT_TRUE(game->set_video_mode(800, 600, 32)) << SDL_GetError();
    ASSERT_EQ(game->init(), 0);

    for (int32_t i = 0; i < chosen.index; ++i) push_key(SDLK_n, SDL_KEYDOWN);
    for (char letter : chosen.result.path) {
        push_key(arrow_for(letter), SDL_KEYDOWN);
        push_key(arrow_for(letter), SDL_KEYUP);
    }
    push_key(SDLK_q, SDL_KEYDOWN);
    game->play();
    // The normal end of the program: fonts closed, then the game, which saves the results.
    game->big_font.close();
    game->small_font.close();
    game.reset();
    TTF_Quit();
    SDL_Quit();

    THighScore scores;
    ASSERT_EQ(scores.read_from_file("scores.xml"), 1) << "the game wrote no readable scores.xml";
    TScore best;
    ASSERT_TRUE(scores.get_score(name, chosen.index + 1, best)) << "the level was not solved";
    EXPECT_EQ(best.moves, chosen.result.moves);
    EXPECT_EQ(best.pushes, chosen.result.pushes);
}
