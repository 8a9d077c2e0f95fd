// The key state on a private X server, pressed through XTest as a keyboard
// would: the function keys by their XKB names and the modifiers by the
// modifier map, following keymap changes.

#include "framework/X11Keyboard.h"
#include "support/WaitUntil.h"
#include "support/XvfbServer.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>

namespace {

using framework::ModifierKey;
using keyhop::test::waitUntil;
using keyhop::test::XvfbServer;

// The keycodes of <FK01> to <FK19> in the default keymap; F13 to F19 produce
// no F13 to F19 keysyms there.
constexpr std::array<unsigned int, 19> functionKeycodes{
    67, 68, 69, 70, 71, 72, 73, 74, 75, 76, 95, 96, 191, 192, 193, 194, 195, 196, 197};
constexpr unsigned int shiftL = 50, controlL = 37, altL = 64, altR = 108, superL = 133,
                       superR = 134, capsLock = 66, numLock = 77, letterA = 38;

class X11KeyboardTest : public testing::Test {
  protected:
    XvfbServer server;
    framework::X11Keyboard keyboard;

    // Which function keys read down, as numbers 1 to 19.
    std::vector<int> functionKeysDown() {
        std::vector<int> down;
        for (int number = 1; number <= 19; ++number) {
            if (keyboard.functionKeyDown(number)) {
                down.push_back(number);
            }
        }
        return down;
    }
    std::vector<ModifierKey> modifiersDown() {
        std::vector<ModifierKey> down;
        for (const auto key : {ModifierKey::Shift, ModifierKey::Control, ModifierKey::Option,
                               ModifierKey::Command}) {
            if (keyboard.modifierKeyDown(key)) {
                down.push_back(key);
            }
        }
        return down;
    }
    // Whether the keyboard comes to read the modifiers so (answers may be a
    // few milliseconds old).
    bool modifiersBecome(const std::vector<ModifierKey>& expected) {
        return waitUntil([&] { return modifiersDown() == expected; }, std::chrono::seconds(2));
    }
    bool functionKeysBecome(const std::vector<int>& expected) {
        return waitUntil([&] { return functionKeysDown() == expected; }, std::chrono::seconds(2));
    }
};

TEST_F(X11KeyboardTest, EveryFunctionKeyIsFoundByItsKeyName) {
    EXPECT_TRUE(functionKeysBecome({}));
    for (int number = 1; number <= 19; ++number) {
        server.press(functionKeycodes[static_cast<std::size_t>(number - 1)]);
        EXPECT_TRUE(functionKeysBecome({number})) << "F" << number;
        server.release(functionKeycodes[static_cast<std::size_t>(number - 1)]);
        EXPECT_TRUE(functionKeysBecome({})) << "F" << number;
    }
}

TEST_F(X11KeyboardTest, ModifiersLeftAndRightAndLockKeysNever) {
    const std::pair<unsigned int, ModifierKey> keys[] = {
        {shiftL, ModifierKey::Shift},   {controlL, ModifierKey::Control},
        {altL, ModifierKey::Option},    {altR, ModifierKey::Option},
        {superL, ModifierKey::Command}, {superR, ModifierKey::Command}};
    for (const auto& [code, modifier] : keys) {
        server.press(code);
        EXPECT_TRUE(modifiersBecome({modifier})) << code;
        server.release(code);
        EXPECT_TRUE(modifiersBecome({})) << code;
    }
    for (const unsigned int code : {capsLock, numLock, letterA}) {
        server.press(code);
        server.release(code);
        server.press(code);
        // A key read down is never taken for a modifier or a function key.
        EXPECT_FALSE(
            waitUntil([&] { return !modifiersDown().empty() || !functionKeysDown().empty(); },
                      std::chrono::milliseconds(50)))
            << code;
        server.release(code);
    }
}

TEST_F(X11KeyboardTest, ModifiersFollowTheUsersKeymap) {
    // Caps Lock made into Control, and Alt and Super swapped.
    ASSERT_EQ(std::system("setxkbmap -option ctrl:nocaps -option altwin:swap_alt_win"), 0);
    server.press(capsLock);
    EXPECT_TRUE(modifiersBecome({ModifierKey::Control}));
    server.release(capsLock);
    server.press(altL);
    EXPECT_TRUE(modifiersBecome({ModifierKey::Command}));
    server.release(altL);
    server.press(superL);
    EXPECT_TRUE(modifiersBecome({ModifierKey::Option}));
    server.release(superL);
    EXPECT_TRUE(modifiersBecome({}));
}

TEST_F(X11KeyboardTest, AKeyAlreadyDownWhenWeConnectReadsDown) {
    server.press(functionKeycodes[4]);
    framework::X11Keyboard late;
    EXPECT_TRUE(late.functionKeyDown(5));
    server.release(functionKeycodes[4]);
}

TEST(X11KeyboardWithoutDisplayTest, EveryKeyReadsUp) {
    const char* previous = std::getenv("DISPLAY");
    const std::string saved = previous ? previous : "";
    ::setenv("DISPLAY", ":9999", 1);
    framework::X11Keyboard keyboard;
    EXPECT_FALSE(keyboard.functionKeyDown(1));
    EXPECT_FALSE(keyboard.modifierKeyDown(ModifierKey::Shift));
    if (previous) {
        ::setenv("DISPLAY", saved.c_str(), 1);
    } else {
        ::unsetenv("DISPLAY");
    }
}

} // namespace
