#include <SDL.h>

#include <algorithm>

#include "app/game.h"
#include "app/layout.h"
#include "gfx/colours.h"

void TGame::draw_collection_chooser(int selected) {
    const int count = static_cast<int>(collections.size());
    draw_background();
    big_font.draw_aligned(screen, screen->w / 2, title_height + 30, white, centre,
                          "Choose level collection");
    const ChooserLayout layout =
        chooser_layout(screen->w, screen->h, title_height, status_height, count);
    for (int i = 0; i < count; ++i) {
        const ScreenPoint at = chooser_entry_position(layout, i);
        small_font.draw_blended(screen, at.x, at.y, i == selected ? red : white,
                                collections[i]->get_name().c_str());
    }
}

void TGame::choose_collection() {
    if (collections.empty()) return;
    const int last = static_cast<int>(collections.size()) - 1;
    int selected = 0;
    draw_collection_chooser(selected);
    flip();

    SDL_Event event;
    while (SDL_WaitEvent(&event)) {
        if (event.type == SDL_VIDEORESIZE) {
            reopen_menu_window(event.resize.w, event.resize.h);
            draw_collection_chooser(selected);
            flip();
            continue;
        }
        // Closing the window is not a way out of this list: only its own keys are.
        if (event.type != SDL_KEYDOWN) continue;

        switch (event.key.keysym.sym) {
            case SDLK_q:
            case SDLK_ESCAPE:
                return;
            case SDLK_RETURN:
                collection = collections[selected].get();
                return;
            case SDLK_UP:
                selected = std::max(selected - 1, 0);
                draw_collection_chooser(selected);
                flip();
                break;
            case SDLK_DOWN:
                selected = std::min(selected + 1, last);
                draw_collection_chooser(selected);
                flip();
                break;
            default:
                break;
        }
    }
}
