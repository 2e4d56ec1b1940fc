#include <SDL.h>

#include "app/game.h"
#include "app/layout.h"
#include "gfx/colours.h"

namespace {

struct HelpLine {
    const char* keys;
    const char* meaning;
};

constexpr HelpLine help_lines[] = {
    {"Cursor Keys :", "Movement"}, {"Backspace :", "Undo Move"}, {"Escape / R :", "Restart Level"},
    {"N :", "Next Level"},         {"P :", "Previous Level"},    {"Q :", "Quit"},
};

// Key names end, and meanings begin, this far from the centre line.
constexpr int column_gap = 10;

bool closes_help(SDLKey key) {
    return key == SDLK_ESCAPE || key == SDLK_RETURN || key == SDLK_SPACE || key == SDLK_q;
}

}  // namespace

void TGame::show_help() {
    draw_background();
    big_font.draw_aligned(screen, screen->w / 2, title_height + 30, white, centre,
                          "Help: Keyboard Commands");
    const ScreenPoint origin = help_origin(screen->w, screen->h, title_height, status_height);
    int y = origin.y;
    for (const HelpLine& line : help_lines) {
        small_font.draw_aligned(screen, origin.x - column_gap, y, white, right, line.keys);
        small_font.draw_aligned(screen, origin.x + column_gap, y, white, left, line.meaning);
        y += list_row_pitch;
    }
    flip();

    SDL_Event event;
    while (SDL_WaitEvent(&event)) {
        if (event.type == SDL_VIDEORESIZE) {
            // The page closes on a resize; the title menu draws itself at the new size.
            reopen_menu_window(event.resize.w, event.resize.h);
            return;
        }
        if (event.type == SDL_KEYDOWN && closes_help(event.key.keysym.sym)) return;
    }
}
