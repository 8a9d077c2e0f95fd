// The About window's fade, its place on the screen and its name line.

#include "windows/AboutWindow.h"
#include "app/App.h"
#include "framework/Picture.h"
#include "framework/StaticText.h"
#include "support/FakePlatform.h"
#include "windows/AboutWindowMetalPicture.h"

#include <gtest/gtest.h>

#include <QWidget>

#include <cmath>
#include <vector>

namespace {

using framework::Timer;
using keyhop::AboutWindow;

class AboutWindowTest : public testing::Test {
  protected:
    void SetUp() override {
        framework::Application::registerAppObject(std::make_unique<keyhop::App>());
    }
    void TearDown() override {
        framework::Window::releaseAll();
        framework::Application::releaseAppObject();
    }
    keyhop::test::FakePlatform platform;
};

// What the window shows now: 0 opaque, 255 invisible.
int transparency(const AboutWindow& window) {
    return 255 - static_cast<int>(std::lround(window.widget().windowOpacity() * 255));
}

std::vector<int> modes(const AboutWindow& window) {
    return {window.FadeInTimer.Mode(), window.AboutTimer.Mode(), window.FadeOutTimer.Mode()};
}

// Runs the handler ticks times and gives what the window showed after each.
template <typename Handler> std::vector<int> run(AboutWindow& window, Handler handler, int ticks) {
    std::vector<int> shown;
    for (int tick = 0; tick < ticks; ++tick) {
        (window.*handler)();
        shown.push_back(transparency(window));
    }
    return shown;
}

TEST_F(AboutWindowTest, FadesInWaitsFadesOutAndClosesItself) {
    AboutWindow& window = AboutWindow::get();
    window.Show();
    EXPECT_EQ(window.findControl<framework::StaticText>("NameStaticText")->Text(), "Keyhop 1.0");
    ASSERT_TRUE(keyhop::AboutWindowMetalPicture());
    EXPECT_EQ(keyhop::AboutWindowMetalPicture()->Width(), 300);
    EXPECT_EQ(transparency(window), 255);
    EXPECT_EQ(modes(window), (std::vector{Timer::ModeMultiple, Timer::ModeOff, Timer::ModeOff}));

    std::vector<int> fadeIn;
    for (int value = 255; value > 0; value -= 10) {
        fadeIn.push_back(value);
    }
    // The 27th tick only hands over to the wait, which shows the last step.
    fadeIn.push_back(5);
    EXPECT_EQ(run(window, &AboutWindow::FadeInTimer_Action, 27), fadeIn);
    EXPECT_EQ(modes(window), (std::vector{Timer::ModeOff, Timer::ModeSingle, Timer::ModeOff}));

    // Chosen again, it comes to the front and goes on where it was.
    EXPECT_EQ(&AboutWindow::get(), &window);
    window.Show();
    EXPECT_EQ(transparency(window), 5);

    window.AboutTimer_Action();
    EXPECT_EQ(window.FadeOutTimer.Mode(), Timer::ModeMultiple);
    std::vector<int> fadeOut;
    for (int value = 0; value <= 250; value += 10) {
        fadeOut.push_back(value);
    }
    EXPECT_EQ(run(window, &AboutWindow::FadeOutTimer_Action, 26), fadeOut);
    EXPECT_TRUE(window.Visible());
    window.FadeOutTimer_Action();
    EXPECT_FALSE(window.Visible());
    EXPECT_EQ(window.FadeOutTimer.Mode(), Timer::ModeOff);

    // The next request makes a fresh window that fades in from the start.
    AboutWindow& next = AboutWindow::get();
    EXPECT_NE(&next, &window);
    EXPECT_EQ(transparency(next), 255);
    EXPECT_EQ(next.FadeInTimer.Mode(), Timer::ModeMultiple);
}

TEST_F(AboutWindowTest, IsCentredOnTheWholeMainScreenTruncatingTowardZero) {
    struct Case {
        int screenWidth, screenHeight, left, top;
    };
    for (const Case& c : {Case{1024, 768, 362, 334}, Case{295, 99, -2, 0}}) {
        platform.screenSize = {c.screenWidth, c.screenHeight};
        const AboutWindow& window = AboutWindow::get();
        EXPECT_EQ(window.Left(), c.left) << c.screenWidth;
        EXPECT_EQ(window.Top(), c.top) << c.screenHeight;
        framework::Window::releaseAll();
    }
}

} // namespace
