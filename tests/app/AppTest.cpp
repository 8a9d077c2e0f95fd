// The application object: the exception report and the quit Apple event.

#include "app/App.h"
#include "framework/AppleEvent.h"
#include "framework/RuntimeException.h"
#include "support/FakePlatform.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using framework::RuntimeException;

class AppTest : public testing::Test {
  protected:
    keyhop::test::FakePlatform platform;
    keyhop::App app;
};

TEST_F(AppTest, TheReportOfAnUnhandledExceptionIsShownUnchangedThroughDisplayMessage) {
    const RuntimeException numberOnly(7, "", {});
    const RuntimeException sixEntries(7, " %APPLICATIONNAME% ",
                                      {"s0", "s1", "s2", "s3", "s4", "s5"});
    const std::pair<const RuntimeException*, std::string> cases[] = {
        {nullptr, "Unhandled exception"},
        {&numberOnly, "Unhandled exception\nNumber: 7"},
        {&sixEntries, "Unhandled exception\nNumber: 7\nMessage:  %APPLICATIONNAME% \nStack: s0\n"
                      "- s1\n- s2\n- s3"},
    };
    for (const auto& [error, report] : cases) {
        platform.log.clear();
        EXPECT_TRUE(app.Event_UnhandledException(error));
        EXPECT_EQ(platform.log, (std::vector<std::string>{"front", "beep", "message:" + report}));
    }
}

TEST_F(AppTest, OnlyTheQuitAppleEventIsHandled) {
    const framework::AppleEvent event;
    for (const auto& [eventClass, eventID, handled] :
         {std::tuple{"aevt", "quit", true}, std::tuple{"aevt", "odoc", false},
          std::tuple{"core", "quit", false}, std::tuple{"AEVT", "QUIT", false}}) {
        EXPECT_EQ(app.Event_HandleAppleEvent(event, eventClass, eventID), handled)
            << eventClass << "/" << eventID;
    }
    EXPECT_TRUE(platform.log.empty());
}

} // namespace
