#include <SDL.h>
#include <SDL_ttf.h>

#include <cstdio>
#include <cstdlib>

#include "app/game.h"
#include "gfx/colours.h"

namespace {

constexpr int start_width = 800;
constexpr int start_height = 600;

// The start-up frame: an empty bar and a notice while the collections and pictures load.
void show_loading(TGame& game) {
    game.draw_background();
    game.draw_title_bar();
    game.draw_status_bar("", white);
    game.big_font.draw_aligned(game.screen, game.screen->w / 2, game.screen->h / 2 - 20, white,
                               centre, "Loading...");
    game.flip();
}

}  // namespace

int main(int, char**) {
    if (SDL_Init(SDL_INIT_TIMER | SDL_INIT_VIDEO) != 0) {
        std::printf("SDL Error: %s\n", SDL_GetError());
        return 1;
    }
    std::atexit(SDL_Quit);

    if (TTF_Init() != 0) {
        std::printf("Error: could not initialize sdl_ttf\n");
        std::exit(3);
    }

    TGame* game = new TGame();
    game->video_flags = SDL_HWSURFACE | SDL_RESIZABLE | SDL_DOUBLEBUF;
    if (!game->set_video_mode(start_width, start_height, 0)) {
        std::printf("SDL error: %s\n", SDL_GetError());
        std::exit(2);
    }
    SDL_WM_SetCaption("Pushwell", nullptr);
    show_loading(*game);

    const int init_result = game->init();
    if (init_result != 0) {
        std::printf("Error on game initialization: %d\n", init_result);
        std::exit(11);
    }

    while (game->title_menu() != -1) game->play();

    game->big_font.close();
    game->small_font.close();
    TTF_Quit();
    delete game;
    return 0;
}
