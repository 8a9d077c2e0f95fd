// Timers: a single shot, no Action while the previous one still runs, and an
// Action that throws or turns its timer off.

#include "framework/Timer.h"

#include <gtest/gtest.h>

#include <QTest>

#include <functional>
#include <stdexcept>

namespace {

using framework::Timer;

class CountingTimer final : public Timer {
  public:
    int actions = 0;
    std::function<void()> onAction = [] {};

    explicit CountingTimer(int mode) {
        setPeriod(1);
        setMode(mode);
    }
    void Event_Action() override {
        ++actions;
        onAction();
    }
};

TEST(TimerTest, ASingleShotFiresOnceAndIsOffAfterwards) {
    CountingTimer timer(Timer::ModeSingle);
    ASSERT_TRUE(QTest::qWaitFor([&] { return timer.actions == 1; }));
    EXPECT_EQ(timer.Mode(), Timer::ModeOff);
    QTest::qWait(30);
    EXPECT_EQ(timer.actions, 1);
}

TEST(TimerTest, NoTickWhileTheActionRunsNorAfterItThrowsOrTurnsTheTimerOff) {
    CountingTimer timer(Timer::ModeMultiple);
    int actionsInsideTheBox = -1;
    timer.onAction = [&] {
        if (timer.actions == 1) {
            // As a modal message box does: the event loop runs on inside.
            QTest::qWait(30);
            actionsInsideTheBox = timer.actions;
        } else if (timer.actions == 2) {
            throw std::runtime_error("tick failed");
        } else {
            timer.setMode(Timer::ModeOff);
        }
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return timer.actions == 3; }));
    QTest::qWait(30);
    EXPECT_EQ(actionsInsideTheBox, 1);
    EXPECT_EQ(timer.actions, 3);
}

} // namespace
