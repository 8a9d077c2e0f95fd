// The About window: its place on the screen, its name line, its text size
// and its fade.

#include "windows/AboutWindow.h"
#include "framework/StaticText.h"
#include "support/AppSession.h"
#include "support/FakePlatform.h"
#include "windows/AboutWindowMetalPicture.h"

#include <gtest/gtest.h>

#include <QWidget>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace {

using framework::Timer;
using keyhop::AboutWindow;

TEST(AboutWindow, IsCentredThenFadesInWaitsFadesOutAndClosesItself) {
    keyhop::test::FakePlatform platform;
    const keyhop::test::AppSession session;
    platform.screen = {1024, 768};
    AboutWindow& window = AboutWindow::get();
    window.Show();
    EXPECT_EQ(std::pair(window.Left(), window.Top()), std::pair(362, 334));
    EXPECT_EQ(window.findControl<framework::StaticText>("NameStaticText")->Text(), "Keyhop 1.0");
    // Text sizes are pixels, like places and sizes.
    const auto& address = *window.findControl<framework::StaticText>("URLStaticText");
    EXPECT_EQ(address.widget().font().pixelSize(), 10);
    ASSERT_TRUE(keyhop::AboutWindowMetalPicture());

    // What the window shows after each tick (0 opaque, 255 invisible), and the
    // modes of FadeIn, About and FadeOut after each handler (0 off, 1 once, 2 repeating).
    const auto transparency = [](const AboutWindow& shown) {
        return 255 - static_cast<int>(std::lround(shown.widget().windowOpacity() * 255));
    };
    std::vector<int> shown{transparency(window)}, expected{255};
    std::string modes;
    const auto tick = [&](void (AboutWindow::*action)(), int times) {
        for (int n = 0; n < times; ++n) {
            (window.*action)();
            shown.push_back(transparency(window));
        }
        for (const Timer* timer : {&window.FadeInTimer, &window.AboutTimer, &window.FadeOutTimer}) {
            modes += std::to_string(timer->Mode());
        }
        modes += ' ';
    };
    tick(&AboutWindow::FadeInTimer_Action, 27);
    // Chosen again, it comes to the front and goes on where it was.
    EXPECT_EQ(&AboutWindow::get(), &window);
    window.Show();
    tick(&AboutWindow::AboutTimer_Action, 1);
    tick(&AboutWindow::FadeOutTimer_Action, 27);
    EXPECT_FALSE(window.Visible());

    // The last tick of each fade changes nothing: in to 5, kept through the wait; out to 250.
    for (int value = 255; value >= -5; value -= 10) {
        expected.push_back(std::max(value, 5));
    }
    expected.push_back(5);
    for (int value = 0; value <= 260; value += 10) {
        expected.push_back(std::min(value, 250));
    }
    EXPECT_EQ(shown, expected);
    // Called here rather than fired, AboutTimer keeps its single-shot mode.
    EXPECT_EQ(modes, "010 012 010 ");

    // The next request makes a fresh window that fades in from the start; on
    // a screen smaller than the window, halving the differences truncates toward zero.
    platform.screen = {295, 99};
    const AboutWindow& next = AboutWindow::get();
    EXPECT_NE(&next, &window);
    EXPECT_EQ(transparency(next), 255);
    EXPECT_EQ(std::pair(next.Left(), next.Top()), std::pair(-2, 0));
}

} // namespace
