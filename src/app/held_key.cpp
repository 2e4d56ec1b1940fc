#include "app/held_key.h"

#include "level/rules.h"

int32_t direction_of_key(SDLKey key) {
    switch (key) {
        case SDLK_LEFT:
            return dir_left;
        case SDLK_RIGHT:
            return dir_right;
        case SDLK_UP:
            return dir_up;
        case SDLK_DOWN:
            return dir_down;
        default:
            return 0;
    }
}
