// Timers, and timers that act on the keyboard alone: on a private X server,
// keys pressed by keycode read by their XKB names and the modifier map.

#include "framework/Timer.h"
#include "framework/QtPlatformServices.h"
#include "support/SavedEnvironment.h"

#include <gtest/gtest.h>

#include <QTest>

#include <csignal>
#include <cstdio>
#include <functional>
#include <memory>
#include <stdexcept>

namespace {

using framework::ModifierKey;
using framework::Timer;

struct ActionTimer final : Timer {
    std::function<void(Timer&)> action;
    ActionTimer(int mode, int period, std::function<void(Timer&)> act, bool onKeyboard = false)
        : action(std::move(act)) {
        setPeriod(period);
        setActsOnlyOnKeyboard(onKeyboard);
        setMode(mode);
    }
    void Event_Action() override { action(*this); }
};

TEST(TimerTest, ASingleShotComesOnceAndAnActionMayThrowOrDestroyItsTimer) {
    int actions = 0;
    std::unique_ptr<ActionTimer> timer;
    timer = std::make_unique<ActionTimer>(Timer::ModeMultiple, 1, [&](Timer& self) {
        if (++actions == 1) {
            throw std::runtime_error("tick failed");
        }
        if (actions == 2) {
            self.setMode(Timer::ModeSingle);
        } else if (actions == 4) {
            timer.reset();
        }
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return actions == 3; }));
    QTest::qWait(30);
    EXPECT_EQ(actions, 3);
    EXPECT_EQ(timer->Mode(), Timer::ModeOff);
    timer->setMode(Timer::ModeMultiple);
    EXPECT_TRUE(QTest::qWaitFor([&] { return timer == nullptr; }));
}

// What reads down, as "F5 SCOM;" with every modifier held.
std::string keysDown() {
    std::string down;
    for (int n = 1; n <= 19; ++n) {
        down += framework::platform().functionKeyDown(n) ? "F" + std::to_string(n) + " " : "";
    }
    for (int key = 0; key < 4; ++key) {
        down.append(framework::platform().modifierKeyDown(ModifierKey(key)) ? 1 : 0, "SCOM"[key]);
    }
    return down + ";";
}

// A private X server, named by DISPLAY while it runs.
struct Xvfb {
    keyhop::test::SavedEnvironment display{"DISPLAY"};
    // The shell gives its process id, then becomes the server.
    FILE* output =
        ::popen("echo $$; exec Xvfb -displayfd 1 -nolisten tcp -noreset 2>/dev/null", "r");
    int pid = 0;
    Xvfb() {
        int number = -1;
        std::fscanf(output, "%d %d", &pid, &number);
        ::setenv("DISPLAY", (":" + std::to_string(number)).c_str(), 1);
    }
    ~Xvfb() {
        ::kill(pid, SIGTERM);
        ::pclose(output);
    }
};

// xdotool presses keys by keycode through XTest, as a keyboard would.
void run(const std::string& command) {
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
}

class KeyboardTimerTest : public testing::Test {
  protected:
    Xvfb server;
    framework::QtPlatformServices services;
    // What reads down at each tick of a timer on the keyboard, from its first.
    std::string log;
    ActionTimer timer{Timer::ModeMultiple, 10, [this](Timer&) { log += keysDown(); }, true};

    void SetUp() override {
        framework::usePlatformServices(&services);
        ASSERT_TRUE(QTest::qWaitFor([this] { return !log.empty(); }));
    }
    void TearDown() override { framework::usePlatformServices(nullptr); }

    // Presses the keys together and lets them go, all before a tick could
    // come; gives what the timer read from then until it slept again.
    std::string tap(const std::string& keycodes) {
        const std::size_t from = log.size();
        run("xdotool key " + keycodes);
        EXPECT_TRUE(QTest::qWaitFor([&] { return log.size() > from + 1 && log.ends_with(";;"); }));
        return log.substr(from);
    }
};

TEST_F(KeyboardTimerTest, TapsWakeItFromItsSleepAndReadDownAtOneTick) {
    // <FK01> to <FK19> in the default keymap: 67 to 76, 95, 96, 191 to 197. F13
    // to F19 give no F13 to F19 keysyms there.
    for (int number = 1; number <= 19; ++number) {
        const int keycode = number + (number <= 10 ? 66 : number <= 12 ? 84 : 178);
        EXPECT_EQ(tap(std::to_string(keycode)), "F" + std::to_string(number) + " ;;");
    }
    // Shift, right Alt, Caps Lock, Num Lock, A; Control, right Super: left and
    // right modifiers count, lock keys and letters never do.
    EXPECT_EQ(tap("50+108+66+77+38+71"), "F5 SO;;");
    EXPECT_EQ(tap("37+134+71"), "F5 CM;;");
    const std::string asleep = log;
    QTest::qWait(50);
    EXPECT_EQ(log, asleep);
}

TEST_F(KeyboardTimerTest, AModifierReadsDownOnlyWhileItIsHeld) {
    // Text typed with Shift, a Control shortcut, Alt and Super taps, all let
    // go while the timer sleeps: a plain F6 afterwards stays plain.
    for (const std::string typed : {"26 50+40", "37+39", "64", "133"}) {
        run("xdotool key " + typed);
        QTest::qWait(30);
        EXPECT_EQ(tap("72"), "F6 ;;") << typed;
    }
    // Shift pressed while asleep and held through F6.
    run("xdotool keydown 50");
    QTest::qWait(30);
    const std::size_t from = log.size();
    run("xdotool key 72 keyup 50");
    QTest::qWait(100);
    EXPECT_TRUE(log.substr(from).starts_with("F6 S;")) << log.substr(from);
}

TEST_F(KeyboardTimerTest, HeldKeysReadAsANewKeymapSays) {
    // F13 moves to the Insert key's code, Caps Lock becomes Control, Alt and Super swap.
    run("setxkbmap -keycodes xfree86 -option ctrl:nocaps -option altwin:swap_alt_win");
    // Caps Lock, left Alt, Insert.
    run("xdotool keydown 66+64+118");
    EXPECT_TRUE(QTest::qWaitFor([&] { return log.ends_with(";F13 CM;"); })) << log;
}

TEST(X11KeyboardTest, KeysReadUpWithoutADisplayAndAsTheyAreWhenItConnects) {
    const keyhop::test::SavedEnvironment saved{"DISPLAY"};
    ::setenv("DISPLAY", ":9999", 1);
    EXPECT_FALSE(framework::X11Keyboard().modifierKeyDown(ModifierKey::Shift));
    const Xvfb server;
    run("xdotool keydown 71");
    EXPECT_TRUE(framework::X11Keyboard().functionKeyDown(5));
}

} // namespace
