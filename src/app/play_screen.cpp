#include <SDL.h>

#include "app/game.h"
#include "app/held_key.h"
#include "gfx/colours.h"

namespace {

// How long a solved board stays on screen before the next level replaces it.
constexpr Uint32 solved_pause_ms = 200;
// The play loop's pace: at most one event per pass.
constexpr Uint32 pass_sleep_ms = 10;

}  // namespace

int TGame::play() {
    if (!collection || !collection->get_level(0)) {
        show_empty_collection();
        return 0;
    }

    select_level(0);
    redraw_all();
    flip();

    HeldKey held;
    bool quit = false;
    while (!quit) {
        SDL_Event event;
        if (SDL_PollEvent(&event)) {
            switch (event.type) {
                case SDL_QUIT:
                    quit = true;
                    break;
                case SDL_VIDEORESIZE:
                    reopen_window(event.resize.w, event.resize.h);
                    choose_skin();
                    redraw_all();
                    flip();
                    break;
                case SDL_KEYDOWN:
                    switch (event.key.keysym.sym) {
                        case SDLK_q:
                            quit = true;
                            break;
                        case SDLK_ESCAPE:
                        case SDLK_r:
                            select_level(level_index);
                            draw_board();
                            draw_status_bar(nullptr, white);
                            flip();
                            break;
                        case SDLK_BACKSPACE:
                            if (!undo_list.empty()) {
                                const TMove last = undo_list.back();
                                undo_list.pop_back();
                                undo(move_direction(last), move_push_flag(last));
                                if (move_push_flag(last)) --pushes;
                                draw_status_bar(nullptr, white);
                                flip();
                                held.stop();
                            }
                            break;
                        case SDLK_LEFT:
                        case SDLK_RIGHT:
                        case SDLK_UP:
                        case SDLK_DOWN:
                            held.press(direction_of_key(event.key.keysym.sym));
                            break;
                        case SDLK_n:
                            if (select_level(level_index + 1) != 0) select_level(0);
                            redraw_all();
                            held.stop();
                            flip();
                            break;
                        case SDLK_p:
                            select_level(level_index < 1 ? collection->level_count() - 1
                                                         : level_index - 1);
                            held.stop();
                            redraw_all();
                            flip();
                            break;
                        default:
                            break;
                    }
                    break;
                case SDL_KEYUP:
                    held.release(direction_of_key(event.key.keysym.sym));
                    break;
                default:
                    break;
            }
        }

        if (held.step_due(SDL_GetTicks())) {
            const int result = move(held.direction);
            if (result >= 0) {
                undo_list.push_back(make_move(result, held.direction));
                if (result & move_push) ++pushes;
                draw_status_bar(nullptr, white);
            }
            held.stepped(SDL_GetTicks(), repeat_delay, repeat_interval);
            flip();

            if (level.is_solved()) {
                const int32_t moves = static_cast<int32_t>(undo_list.size());
                if (is_new_best(best, moves, pushes)) {
                    best = TScore{moves, pushes};
                    high_score.set_score(collection->get_name(), level.get_number(), best);
                    save_results();
                }
                SDL_Delay(solved_pause_ms);
                if (select_level(level_index + 1) != 0) select_level(0);
                redraw_all();
                flip();
            }
        }

        SDL_Delay(pass_sleep_ms);
    }
    return 0;
}

void TGame::show_empty_collection() {
    const char* const message = "This collection has no levels";
    auto draw = [&] {
        draw_background();
        draw_title_bar();
        draw_status_bar(message, white);
        flip();
    };
    draw();

    SDL_Event event;
    while (SDL_WaitEvent(&event)) {
        if (event.type == SDL_QUIT) return;
        if (event.type == SDL_VIDEORESIZE) {
            reopen_window(event.resize.w, event.resize.h);
            draw();
        }
        if (event.type == SDL_KEYDOWN &&
            (event.key.keysym.sym == SDLK_q || event.key.keysym.sym == SDLK_ESCAPE))
            return;
    }
}
