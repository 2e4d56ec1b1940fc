// The arrow-key repeat on a clock the test moves, one millisecond at a time, as the play screen
// asks it on every pass; play_screen_test.cpp keeps one check of the repeat in real time.
#include "app/held_key.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "level/rules.h"
#include "support/fake_clock.h"

namespace {

constexpr int32_t delay = 300;
constexpr int32_t interval = 100;

using Steps = std::vector<std::pair<uint32_t, int32_t>>;  // when, which direction

// Runs the play screen's question "is a step due?" on every millisecond until `end`.
Steps steps_until(HeldKey& held, FakeClock& clock, uint32_t end) {
    Steps steps;
    for (; clock.now() < end; clock.advance(1)) {
        if (!held.step_due(clock.now())) continue;
        steps.emplace_back(clock.now(), held.direction);
        held.stepped(clock.now(), delay, interval);
    }
    return steps;
}

}  // namespace

TEST(HeldKey, StepsAtOnceThenAfter300MsThenEvery100MsUntilReleased) {
    FakeClock clock(5000);
    HeldKey held;
    held.press(dir_right);
    EXPECT_EQ(steps_until(held, clock, 5150), (Steps{{5000, dir_right}}));
    held.release(dir_right);
    EXPECT_TRUE(steps_until(held, clock, 6000).empty()) << "released before the second step";

    held.press(dir_right);
    EXPECT_EQ(steps_until(held, clock, 6650), (Steps{{6000, dir_right},
                                                     {6300, dir_right},
                                                     {6400, dir_right},
                                                     {6500, dir_right},
                                                     {6600, dir_right}}));
    held.stop();
    EXPECT_TRUE(steps_until(held, clock, 7000).empty());
}

TEST(HeldKey, RightPressedWhileLeftIsHeldTakesOverAndLeftsReleaseDoesNotStopIt) {
    FakeClock clock;
    HeldKey held;
    held.press(dir_left);
    Steps steps = steps_until(held, clock, 10);
    held.press(dir_right);
    const Steps after_right = steps_until(held, clock, 20);
    held.release(dir_left);
    const Steps after_release = steps_until(held, clock, 450);
    steps.insert(steps.end(), after_right.begin(), after_right.end());
    steps.insert(steps.end(), after_release.begin(), after_release.end());
    EXPECT_EQ(steps, (Steps{{0, dir_left}, {10, dir_right}, {310, dir_right}, {410, dir_right}}));
}
