// The application object in process: start-up and the release of the module
// globals in their order, the exception report, and the quit Apple event.

#include "app/App.h"
#include "app/FileTypes.h"
#include "app/IconPicture.h"
#include "app/Menu.h"
#include "app/Startup.h"
#include "framework/AppleEvent.h"
#include "framework/RuntimeException.h"
#include "preferences/CommonPreferencesModule.h"
#include "preferences/PreferencesModule.h"
#include "support/ConfigHome.h"
#include "support/FakePlatform.h"
#include "windows/AboutWindow.h"

#include <gtest/gtest.h>

#include <QTimer>
#include <QWidget>

#include <tuple>

namespace {

using namespace keyhop;
using framework::RuntimeException;

// Reports its own release.
class ReleaseProbe final : public framework::MenuItem {
  public:
    explicit ReleaseProbe(std::function<void()> released) : released_(std::move(released)) {}
    ~ReleaseProbe() override { released_(); }

  private:
    std::function<void()> released_;
};

TEST(Startup, RunsUntilTheQuitAppleEventThenReleasesTheModuleGlobalsInTheirOrder) {
    const test::ConfigHome home;
    const test::FakePlatform platform;
    test::writeFile(home.preferencesFile(), "CHECKFORUPDATE = False\n");
    initializeModuleGlobals();
    QTimer::singleShot(0, [] { app().handleAppleEvent("aevt", "quit"); });
    EXPECT_EQ(runMain(), 0);
    EXPECT_TRUE(platform.log.empty());
    // Windows show the menu bar; file dialogs offer every file.
    EXPECT_EQ(app().menuBar(), Menu::get());
    EXPECT_TRUE(FileTypes::pAny->isRegistered());
    EXPECT_EQ(FileTypes::pAny->Name(), "Any");

    // Built while the application object is there: the window reads its version.
    const QWidget& window = AboutWindow::get().content();
    // The application object, which shares the menu bar, goes first here so
    // that the menu bar goes with its global.
    framework::Application::releaseAppObject();
    const std::weak_ptr<framework::Picture> icon = IconPicture();
    const std::weak_ptr<Menu> menu = Menu::get();
    // What is still held when the windows go, when the menu bar goes, and at the end.
    std::vector<std::string> held;
    const auto look = [&] {
        held.push_back(std::string(icon.expired() ? "" : "icon ") +
                       (FileTypes::pAny ? "fileType " : "") + (menu.expired() ? "" : "menu ") +
                       (CommonPreferencesModule::dictionary_ ? "dictionary " : "") +
                       (PreferencesModule::shortcutsList ? "shortcuts" : ""));
    };
    QObject::connect(&window, &QObject::destroyed, look);
    Menu::get()->Append(std::make_unique<ReleaseProbe>(look));
    finalizeModuleGlobals();
    look();
    EXPECT_EQ(held, (std::vector<std::string>{"fileType menu dictionary shortcuts",
                                              "dictionary shortcuts", ""}));
    EXPECT_TRUE(framework::FileType::registeredTypes().empty());
}

class AppTest : public testing::Test {
  protected:
    test::FakePlatform platform;
    App app;
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
