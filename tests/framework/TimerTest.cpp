// Timers, and timers that act on the keyboard alone: on a private X server,
// keys pressed through XTest read by their XKB names and the modifier map.

#include "framework/Timer.h"
#include "framework/QtPlatformServices.h"
#include "support/SavedEnvironment.h"

#include <gtest/gtest.h>

#include <QTest>

#include <csignal>
#include <cstdio>
#include <functional>
#include <stdexcept>

namespace {

using framework::Timer;

class ActionTimer final : public Timer {
  public:
    ActionTimer(int mode, int period, std::function<void(Timer&)> action, bool onKeyboard = false)
        : action_(std::move(action)) {
        setPeriod(period);
        setActsOnlyOnKeyboard(onKeyboard);
        setMode(mode);
    }
    void Event_Action() override { action_(*this); }

  private:
    std::function<void(Timer&)> action_;
};

TEST(TimerTest, TicksGoOnAfterAnActionThatThrewAndASingleShotComesOnce) {
    int actions = 0;
    const ActionTimer timer(Timer::ModeMultiple, 1, [&](Timer& self) {
        if (++actions == 1) {
            throw std::runtime_error("tick failed");
        }
        if (actions == 2) {
            self.setMode(Timer::ModeSingle);
        }
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return actions == 3; }));
    QTest::qWait(30);
    EXPECT_EQ(actions, 3);
    EXPECT_EQ(timer.Mode(), Timer::ModeOff);
}

// What reads down, as "F5 SCOM;" with every modifier held.
std::string keysDown() {
    std::string down;
    for (int number = 1; number <= 19; ++number) {
        if (framework::platform().functionKeyDown(number)) {
            down += "F" + std::to_string(number) + " ";
        }
    }
    for (int key = 0; key < 4; ++key) {
        if (framework::platform().modifierKeyDown(static_cast<framework::ModifierKey>(key))) {
            down += "SCOM"[key];
        }
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

// Keys by keycode, pressed through XTest as a keyboard would: "keydown 66+64".
void xdotool(const std::string& command) {
    ASSERT_EQ(std::system(("xdotool " + command).c_str()), 0) << command;
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
        const std::size_t before = log.size();
        xdotool("key " + keycodes);
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return log.size() > before + 1 && log.ends_with(";;"); }));
        return log.substr(before);
    }
};

TEST_F(KeyboardTimerTest, TapsWakeItFromItsSleepAndReadDownAtOneTick) {
    // <FK01> to <FK19> in the default keymap; F13 to F19 give no F13 to F19 keysyms there.
    const int keycodes[] = {67, 68, 69,  70,  71,  72,  73,  74,  75, 76,
                            95, 96, 191, 192, 193, 194, 195, 196, 197};
    for (int number = 1; number <= 19; ++number) {
        EXPECT_EQ(tap(std::to_string(keycodes[number - 1])), "F" + std::to_string(number) + " ;;");
    }
    // Shift, right Alt, Caps Lock, Num Lock, A: left and right modifiers
    // count, lock keys and letters never do.
    EXPECT_EQ(tap("50+108+66+77+38+71"), "F5 SO;;");
    // Control and right Super.
    EXPECT_EQ(tap("37+134+71"), "F5 CM;;");
    const std::string asleep = log;
    QTest::qWait(50);
    EXPECT_EQ(log, asleep);
}

TEST_F(KeyboardTimerTest, HeldKeysReadAsANewKeymapSays) {
    // F13 moves to the Insert key's code, Caps Lock becomes Control, Alt and Super swap.
    ASSERT_EQ(std::system("setxkbmap -keycodes xfree86 -option ctrl:nocaps "
                          "-option altwin:swap_alt_win"),
              0);
    // Caps Lock, left Alt, Insert.
    xdotool("keydown 66+64+118");
    EXPECT_TRUE(QTest::qWaitFor([&] { return log.ends_with(";F13 CM;"); })) << log;
}

TEST(X11KeyboardTest, AKeyAlreadyDownWhenWeConnectReadsDown) {
    const Xvfb server;
    xdotool("keydown 71");
    EXPECT_TRUE(framework::X11Keyboard().functionKeyDown(5));
}

TEST(X11KeyboardTest, WithoutADisplayEveryKeyReadsUp) {
    const keyhop::test::SavedEnvironment saved{"DISPLAY"};
    ::setenv("DISPLAY", ":9999", 1);
    framework::X11Keyboard keyboard;
    EXPECT_FALSE(keyboard.functionKeyDown(1) ||
                 keyboard.modifierKeyDown(framework::ModifierKey::Shift));
}

} // namespace
