#include "game_fixture.h"

#include <SDL_ttf.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/surface.h"

namespace fs = std::filesystem;

void GameTest::SetUp() {
    old_dir = fs::current_path();
    fs::create_directories(work_dir.file("gfx"));
    fs::create_directories(work_dir.file("levels"));
    for (const char* name : {"base02.ttf", "vera.ttf", "skin50.bmp", "skin40.bmp", "skin30.bmp",
                             "skin20.bmp", "skin12.bmp"})
        fs::create_symlink(fs::path(PUSHWELL_ROOT) / "gfx" / name,
                           fs::path(work_dir.file("gfx")) / name);
    for (const auto& [name, text] : level_files()) work_dir.write("levels/" + name, text);
    if (!score_file_text().empty()) work_dir.write("scores.xml", score_file_text());
    fs::current_path(work_dir.path);

    setenv("SDL_VIDEODRIVER", "dummy", 1);
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER), 0) << SDL_GetError();
    ASSERT_EQ(TTF_Init(), 0);
    game = std::make_unique<TGame>();
    game->video_flags = SDL_HWSURFACE | SDL_RESIZABLE | SDL_DOUBLEBUF;
    ASSERT_TRUE(game->set_video_mode(800, 600, 32)) << SDL_GetError();
    ASSERT_EQ(game->init(), 0);
}

void GameTest::end_game() {
    if (!game) return;
    game->big_font.close();
    game->small_font.close();
    game.reset();
}

void GameTest::TearDown() {
    end_game();
    TTF_Quit();
    SDL_Quit();
    fs::current_path(old_dir);
}

void GameTest::push_key(SDLKey key, Uint8 type) {
    SDL_Event event{};
    event.key.type = type;
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = key;
    ASSERT_EQ(SDL_PushEvent(&event), 0) << "event queue full";
}

void GameTest::tap(SDLKey key, int times) {
    for (int i = 0; i < times; ++i) {
        push_key(key, SDL_KEYDOWN);
        push_key(key, SDL_KEYUP);
    }
}

void GameTest::push_event(Uint8 type, int width, int height) {
    SDL_Event event{};
    event.type = type;
    if (type == SDL_VIDEORESIZE) {
        event.resize.w = width;
        event.resize.h = height;
    }
    ASSERT_EQ(SDL_PushEvent(&event), 0);
}

int GameTest::queued_events() {
    SDL_Event events[128];
    return SDL_PeepEvents(events, 128, SDL_PEEKEVENT, SDL_ALLEVENTS);
}

bool GameTest::any_pixel(int x, int y, int w, int h, SDL_Color colour) const {
    SDL_Surface* screen = game->screen;
    for (int row = y; row < y + h; ++row)
        for (int column = x; column < x + w; ++column) {
            SDL_Color seen{};
            SDL_GetRGB(pixel(screen, column, row), screen->format, &seen.r, &seen.g, &seen.b);
            if (std::abs(seen.r - colour.r) < 40 && std::abs(seen.g - colour.g) < 40 &&
                std::abs(seen.b - colour.b) < 40)
                return true;
        }
    return false;
}

std::string collection_text(std::initializer_list<const char*> maps) {
    std::string text;
    int number = 0;
    for (const char* map : maps) {
        const std::string label = std::to_string(++number);
        text += "; " + label + "\n'Level " + label + "\n" + map + "\n";
    }
    return text;
}
