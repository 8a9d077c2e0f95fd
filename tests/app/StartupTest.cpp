// Start-up and shut-down, in process: from the globals' first values through
// the event loop to their release.

#include "app/Startup.h"
#include "app/App.h"
#include "app/FileTypes.h"
#include "app/IconPicture.h"
#include "app/Menu.h"
#include "framework/Application.h"
#include "preferences/CommonPreferencesModule.h"
#include "preferences/PreferencesModule.h"
#include "support/ConfigHome.h"
#include "support/FakePlatform.h"
#include "windows/AboutWindow.h"

#include <gtest/gtest.h>

#include <QTimer>
#include <QWidget>

#include <functional>

namespace {

using namespace keyhop;

class StartupTest : public testing::Test {
  protected:
    void TearDown() override { framework::Application::releaseAppObject(); }

    test::ConfigHome home;
    test::FakePlatform platform;
};

TEST_F(StartupTest, TheQuitAppleEventEndsTheRunAndThePreferencesAreWrittenBeforeTheRelease) {
    // A line Keyhop never writes shows whether the file was written anew.
    test::writeFile(home.preferencesFile(), "STALE = 1\nFUNCTIONKEY0 = F5\nFILENAME0 = Editor\n");
    initializeModuleGlobals();
    EXPECT_EQ(PreferencesModule::shortcutsList->lastRow(), -1);
    QTimer::singleShot(0, [] { app().handleAppleEvent("aevt", "quit"); });
    EXPECT_EQ(runMain(), 0);
    // Written by Close from the table that Open loaded.
    const std::string written = test::readFile(home.preferencesFile()).value_or("");
    EXPECT_EQ(written.find("STALE"), std::string::npos);
    EXPECT_NE(written.find("FILENAME0 = Editor\n"), std::string::npos);
    EXPECT_TRUE(platform.log.empty());
    // Windows show the menu bar; file dialogs offer every file.
    EXPECT_EQ(app().menuBar(), Menu::get());
    ASSERT_TRUE(FileTypes::pAny);
    EXPECT_EQ(FileTypes::pAny->Name(), "Any");
    EXPECT_TRUE(FileTypes::pAny->isRegistered());
    finalizeModuleGlobals();
}

// Reports its own release.
class ReleaseProbe final : public framework::MenuItem {
  public:
    explicit ReleaseProbe(std::function<void()> released) : released_(std::move(released)) {}
    ~ReleaseProbe() override { released_(); }

  private:
    std::function<void()> released_;
};

TEST_F(StartupTest, ModuleGlobalsAreReleasedInTheirOrder) {
    initializeModuleGlobals();
    FileTypes::initialize();
    CommonPreferencesModule::dictionary_ = std::make_unique<CommonPreferencesModule::Dictionary>();
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
    QObject::connect(&AboutWindow::get().content(), &QObject::destroyed, look);
    Menu::get()->Append(std::make_unique<ReleaseProbe>(look));
    finalizeModuleGlobals();
    look();
    EXPECT_EQ(held, (std::vector<std::string>{"fileType menu dictionary shortcuts",
                                              "dictionary shortcuts", ""}));
    EXPECT_TRUE(framework::FileType::registeredTypes().empty());
}

} // namespace
