#pragma once

#include <SDL.h>

#include <cstdint>

// The direction code of an arrow key, 0 for any other key.
int32_t direction_of_key(SDLKey key);

// The arrow key the play screen holds down, and when it may step again: at once when pressed,
// after the delay for the second step, then at every interval until it is released.
struct HeldKey {
    int32_t direction = 0;  // 0: no arrow held
    int32_t repeat_count = 0;
    uint32_t next_step_time = 0;

    // A newly pressed arrow takes over at once, whichever one was held.
    void press(int32_t new_direction) {
        direction = new_direction;
        repeat_count = 0;
        next_step_time = 0;
    }
    // Only letting go of the arrow that walks stops the walk.
    void release(int32_t released_direction) {
        if (released_direction == direction) direction = 0;
    }
    void stop() { direction = 0; }
    bool step_due(uint32_t now) const { return direction != 0 && now >= next_step_time; }
    // Counts the step just attempted and schedules the next one.
    void stepped(uint32_t now, int32_t delay, int32_t interval) {
        ++repeat_count;
        next_step_time = now + static_cast<uint32_t>(repeat_count == 1 ? delay : interval);
    }
};
