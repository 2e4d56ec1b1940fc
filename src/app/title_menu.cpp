#include <SDL.h>

#include <algorithm>

#include "app/game.h"
#include "app/layout.h"
#include "gfx/colours.h"

namespace {

enum MenuItem { item_start = 1, item_level_set = 2, item_help = 3, item_quit = 4 };

SDL_Color item_colour(int item, int selected) {
    return item == selected ? red : white;
}

}  // namespace

void TGame::draw_title_menu(int selected) {
    const ScreenPoint origin = title_menu_origin(screen->w, screen->h, title_height, status_height);
    const int x = origin.x;
    const int y = origin.y;
    draw_background();
    big_font.draw_aligned(screen, x, y, item_colour(item_start, selected), left, "Start Game");
    const SDL_Color level_set_colour = item_colour(item_level_set, selected);
    // The label stands a little to the left so that its colon does not crowd the name.
    big_font.draw_aligned(screen, x - 7, y + 40, level_set_colour, left, "Level Set:");
    big_font.draw_aligned(screen, x + 200, y + 40, level_set_colour, left,
                          collection ? collection->get_name().c_str() : "");
    big_font.draw_aligned(screen, x, y + 80, item_colour(item_help, selected), left, "Help");
    big_font.draw_aligned(screen, x, y + 120, item_colour(item_quit, selected), left, "Quit");
}

int TGame::title_menu() {
    int selected = item_start;
    draw_title_bar();
    draw_status_bar(version_text, grey);
    draw_title_menu(selected);
    flip();

    SDL_Event event;
    while (SDL_WaitEvent(&event)) {
        if (event.type == SDL_QUIT) return -1;
        if (event.type == SDL_VIDEORESIZE) {
            reopen_menu_window(event.resize.w, event.resize.h);
            draw_title_menu(selected);
            flip();
            continue;
        }
        if (event.type != SDL_KEYDOWN) continue;

        switch (event.key.keysym.sym) {
            case SDLK_q:
            case SDLK_ESCAPE:
                return -1;
            case SDLK_RETURN:
                if (selected == item_start) return 1;
                if (selected == item_quit) return -1;
                if (selected == item_level_set)
                    choose_collection();
                else
                    show_help();
                draw_title_menu(selected);
                flip();
                break;
            case SDLK_UP:
                selected = std::max(selected - 1, static_cast<int>(item_start));
                draw_title_menu(selected);
                flip();
                break;
            case SDLK_DOWN:
                selected = std::min(selected + 1, static_cast<int>(item_quit));
                draw_title_menu(selected);
                flip();
                break;
            default:
                break;
        }
    }
    // The event queue itself failed: there is no way to go on playing.
    return -1;
}
