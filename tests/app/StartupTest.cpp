// The whole start-up and shut-down order, in process.

#include "app/Startup.h"
#include "app/App.h"
#include "app/FileTypes.h"
#include "framework/Application.h"
#include "preferences/PreferencesModule.h"
#include "support/FakePlatform.h"

#include <gtest/gtest.h>

#include <QTimer>

#include <csignal>

namespace {

using namespace keyhop;

TEST(Startup, ModuleGlobalsLiveFromInitialisationToFinalisation) {
    initializeModuleGlobals();
    ASSERT_TRUE(PreferencesModule::shortcutsList);
    EXPECT_EQ(PreferencesModule::shortcutsList->lastRow(), -1);

    test::FakePlatform platform;
    QTimer::singleShot(20, [] { std::raise(SIGTERM); });
    EXPECT_EQ(runMain(), 0);
    EXPECT_TRUE(platform.log.empty());
    EXPECT_NE(dynamic_cast<App*>(framework::Application::current()), nullptr);
    EXPECT_TRUE(FileTypes::pAny);

    finalizeModuleGlobals();
    EXPECT_FALSE(PreferencesModule::shortcutsList);
    EXPECT_FALSE(FileTypes::pAny);
    framework::Application::releaseAppObject();
}

TEST(Startup, TheQuitAppleEventEndsTheRun) {
    initializeModuleGlobals();
    test::FakePlatform platform;
    QTimer::singleShot(20,
                       [] { framework::Application::current()->handleAppleEvent("aevt", "quit"); });
    EXPECT_EQ(runMain(), 0);
    finalizeModuleGlobals();
    framework::Application::releaseAppObject();
}

} // namespace
