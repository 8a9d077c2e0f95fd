// The key state on a private X server, pressed through XTest as a keyboard
// would, read by a timer that acts on it alone: function keys by their XKB
// names, modifiers by the modifier map, taps quicker than a tick.

#include "framework/QtPlatformServices.h"
#include "framework/Timer.h"
#include "support/SavedEnvironment.h"
#include "support/XvfbServer.h"

#include <gtest/gtest.h>

#include <QTest>

#include <cstdlib>

namespace {

// <FK01> to <FK19> in the default keymap; F13 to F19 give no F13 to F19 keysyms there.
constexpr unsigned int functionKeycodes[] = {67, 68, 69,  70,  71,  72,  73,  74,  75, 76,
                                             95, 96, 191, 192, 193, 194, 195, 196, 197};
constexpr unsigned int f5 = 71, shiftL = 50, controlL = 37, altL = 64, altR = 108, superR = 134,
                       capsLock = 66, numLock = 77, letterA = 38, insert = 118;

// Notes what reads down at each tick, as "F5 SCOM;" with every modifier held.
class KeyTimer final : public framework::Timer {
  public:
    std::string log;
    KeyTimer() {
        setPeriod(10);
        setActsOnlyOnKeyboard(true);
        setMode(ModeMultiple);
    }
    void Event_Action() override {
        for (int number = 1; number <= 19; ++number) {
            if (framework::platform().functionKeyDown(number)) {
                log += "F" + std::to_string(number) + " ";
            }
        }
        for (int key = 0; key < 4; ++key) {
            if (framework::platform().modifierKeyDown(static_cast<framework::ModifierKey>(key))) {
                log += "SCOM"[key];
            }
        }
        log += ";";
    }
};

class X11KeyboardTest : public testing::Test {
  protected:
    keyhop::test::XvfbServer server;
    framework::QtPlatformServices services;

    void SetUp() override { framework::usePlatformServices(&services); }
    void TearDown() override { framework::usePlatformServices(nullptr); }

    // Presses the keys and lets them go before a tick could come; gives what
    // the timer read from then until it slept again.
    std::string tap(KeyTimer& timer, std::initializer_list<unsigned int> codes) {
        const std::size_t before = timer.log.size();
        for (const unsigned int code : codes) {
            server.press(code);
        }
        for (const unsigned int code : codes) {
            server.release(code);
        }
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return timer.log.size() > before + 1 && timer.log.ends_with(";;"); }));
        return timer.log.substr(before);
    }
};

TEST_F(X11KeyboardTest, TapsWakeTheSleepingTimerAndReadDownAtOneTick) {
    KeyTimer timer;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !timer.log.empty(); }));
    for (int number = 1; number <= 19; ++number) {
        EXPECT_EQ(tap(timer, {functionKeycodes[number - 1]}), "F" + std::to_string(number) + " ;;");
    }
    // Left and right modifiers count; lock keys and letters never do.
    EXPECT_EQ(tap(timer, {shiftL, altR, capsLock, numLock, letterA, f5}), "F5 SO;;");
    EXPECT_EQ(tap(timer, {controlL, superR, f5}), "F5 CM;;");
    const std::string asleep = timer.log;
    QTest::qWait(50);
    EXPECT_EQ(timer.log, asleep);
}

TEST_F(X11KeyboardTest, HeldKeysReadAsANewKeymapSays) {
    KeyTimer timer;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !timer.log.empty(); }));
    // F13 moves to the Insert key's code, Caps Lock becomes Control, Alt and Super swap.
    ASSERT_EQ(
        std::system("setxkbmap -keycodes xfree86 -option ctrl:nocaps -option altwin:swap_alt_win"),
        0);
    for (const unsigned int code : {capsLock, altL, insert}) {
        server.press(code);
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return timer.log.ends_with(";F13 CM;"); })) << timer.log;
}

TEST_F(X11KeyboardTest, AKeyAlreadyDownWhenWeConnectReadsDown) {
    server.press(f5);
    EXPECT_TRUE(services.functionKeyDown(5));
}

TEST(X11KeyboardWithoutDisplayTest, EveryKeyReadsUp) {
    const keyhop::test::SavedEnvironment saved{"DISPLAY"};
    ::setenv("DISPLAY", ":9999", 1);
    framework::X11Keyboard keyboard;
    EXPECT_FALSE(keyboard.functionKeyDown(1) ||
                 keyboard.modifierKeyDown(framework::ModifierKey::Shift));
}

} // namespace
