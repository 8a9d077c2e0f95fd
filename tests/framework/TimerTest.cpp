// Timers: a single shot, a repeating timer, and no Action while the previous
// one is still running.

#include "framework/Timer.h"
#include "framework/Application.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>

#include <functional>
#include <memory>
#include <stdexcept>

namespace {

class CountingTimer final : public framework::Timer {
  public:
    int actions = 0;
    std::function<void()> onAction;

    void Event_Action() override {
        ++actions;
        if (onAction) {
            onAction();
        }
    }
};

// Runs the event loop until the condition holds (or five seconds passed).
bool runEventsUntil(const std::function<bool()>& condition) {
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
    return condition();
}

// Lets another timer tick a number of times, in the event loop.
void letTicksPass(int ticks) {
    CountingTimer other;
    other.setPeriod(1);
    other.setMode(framework::Timer::ModeMultiple);
    runEventsUntil([&] { return other.actions >= ticks; });
}

TEST(TimerTest, ASingleShotFiresOnceAndIsOffAfterwards) {
    CountingTimer timer;
    timer.setPeriod(1);
    timer.setMode(framework::Timer::ModeSingle);
    ASSERT_TRUE(runEventsUntil([&] { return timer.actions == 1; }));
    EXPECT_EQ(timer.Mode(), framework::Timer::ModeOff);
    letTicksPass(20);
    EXPECT_EQ(timer.actions, 1);
}

TEST(TimerTest, TicksComingWhileTheActionRunsAreSkipped) {
    CountingTimer timer;
    int actionsSeenInsideTheBox = -1;
    timer.onAction = [&] {
        if (timer.actions == 1) {
            // As a modal message box does: the event loop runs on inside.
            letTicksPass(20);
            actionsSeenInsideTheBox = timer.actions;
        }
    };
    timer.setPeriod(1);
    timer.setMode(framework::Timer::ModeMultiple);
    ASSERT_TRUE(runEventsUntil([&] { return timer.actions >= 3; }));
    EXPECT_EQ(actionsSeenInsideTheBox, 1);
}

TEST(TimerTest, TurnedOffInsideItsActionItStops) {
    CountingTimer timer;
    timer.onAction = [&] { timer.setMode(framework::Timer::ModeOff); };
    timer.setPeriod(1);
    timer.setMode(framework::Timer::ModeMultiple);
    ASSERT_TRUE(runEventsUntil([&] { return timer.actions == 1; }));
    letTicksPass(20);
    EXPECT_EQ(timer.actions, 1);
}

TEST(TimerTest, ItsActionMayDestroyIt) {
    auto timer = std::make_unique<CountingTimer>();
    timer->onAction = [&timer] { timer.reset(); };
    timer->setPeriod(1);
    timer->setMode(framework::Timer::ModeMultiple);
    EXPECT_TRUE(runEventsUntil([&] { return timer == nullptr; }));
}

class CountingApplication final : public framework::Application {
  public:
    int unhandled = 0;
    bool Event_UnhandledException(const framework::RuntimeException*) override {
        ++unhandled;
        return true;
    }
};

TEST(TimerTest, AnExceptionInTheActionIsReportedAndTheTimerGoesOn) {
    framework::Application::registerAppObject(std::make_unique<CountingApplication>());
    CountingTimer timer;
    timer.onAction = [] { throw std::runtime_error("tick failed"); };
    timer.setPeriod(1);
    timer.setMode(framework::Timer::ModeMultiple);
    EXPECT_TRUE(runEventsUntil([&] { return timer.actions >= 3; }));
    EXPECT_EQ(static_cast<CountingApplication*>(framework::Application::current())->unhandled,
              timer.actions);
    timer.setMode(framework::Timer::ModeOff);
    framework::Application::releaseAppObject();
}

} // namespace
