#pragma once

#include <cstdint>

// The game's millisecond clock, moved on by the test alone, so that timing is checked exactly
// and without waiting.
class FakeClock {
  public:
    explicit FakeClock(uint32_t start = 0) : time(start) {}
    uint32_t now() const { return time; }
    void advance(uint32_t milliseconds) { time += milliseconds; }

  private:
    uint32_t time;
};
