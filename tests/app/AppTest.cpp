// The application object: the exception report, the quit event and the one
// reporting routine.

#include "app/App.h"
#include "framework/AppleEvent.h"
#include "framework/RuntimeException.h"
#include "support/FakePlatform.h"

#include <gtest/gtest.h>

namespace {

using keyhop::test::FakePlatform;

class AppTest : public testing::Test {
  protected:
    FakePlatform platform;
    keyhop::App app;

    std::string reportFor(const framework::RuntimeException* error) {
        EXPECT_TRUE(app.Event_UnhandledException(error));
        const auto shown = platform.messages();
        return shown.empty() ? "<nothing shown>" : shown.back();
    }
};

TEST_F(AppTest, ReportOfANilException) {
    EXPECT_EQ(reportFor(nullptr), "Unhandled exception");
}

TEST_F(AppTest, ReportWithNumberOnly) {
    const framework::RuntimeException error(7, "", {});
    EXPECT_EQ(reportFor(&error), "Unhandled exception\nNumber: 7");
}

TEST_F(AppTest, ReportShowsTheFirstFourOfSixStackEntries) {
    const framework::RuntimeException error(7, "abc", {"s0", "s1", "s2", "s3", "s4", "s5"});
    EXPECT_EQ(reportFor(&error), "Unhandled exception\nNumber: 7\nMessage: abc\n"
                                 "Stack: s0\n- s1\n- s2\n- s3");
}

TEST_F(AppTest, ReportWithOneStackEntry) {
    const framework::RuntimeException error(-3, "", {"only"});
    EXPECT_EQ(reportFor(&error), "Unhandled exception\nNumber: -3\nStack: only");
}

TEST_F(AppTest, ReportGoesThroughDisplayMessage) {
    reportFor(nullptr);
    EXPECT_EQ(platform.log,
              (std::vector<std::string>{"front", "beep", "message:Unhandled exception"}));
}

TEST_F(AppTest, DisplayMessageBringsToFrontThenBeepsThenShowsTheTextUnchanged) {
    app.displayMessage("  line one\nline \"two\" %APPLICATIONNAME%  ");
    app.displayMessage("");
    EXPECT_EQ(platform.log,
              (std::vector<std::string>{"front", "beep",
                                        "message:  line one\nline \"two\" %APPLICATIONNAME%  ",
                                        "front", "beep", "message:"}));
}

TEST_F(AppTest, OnlyTheQuitAppleEventIsHandled) {
    const framework::AppleEvent event;
    EXPECT_FALSE(app.Event_HandleAppleEvent(event, "aevt", "odoc"));
    EXPECT_FALSE(app.Event_HandleAppleEvent(event, "core", "quit"));
    EXPECT_FALSE(app.Event_HandleAppleEvent(event, "AEVT", "QUIT"));
    EXPECT_FALSE(app.Event_HandleAppleEvent(event, "", ""));
    EXPECT_TRUE(platform.log.empty());
}

} // namespace
