// Start-up and shut-down in process: the event loop runs until the quit
// Apple event, then the module globals are released in their order.

#include "app/Startup.h"
#include "app/App.h"
#include "app/FileTypes.h"
#include "app/IconPicture.h"
#include "app/Menu.h"
#include "preferences/CommonPreferencesModule.h"
#include "preferences/PreferencesModule.h"
#include "support/ConfigHome.h"
#include "support/FakePlatform.h"
#include "windows/AboutWindow.h"

#include <gtest/gtest.h>

#include <QTimer>
#include <QWidget>

namespace {

using namespace keyhop;

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
    QObject::connect(&AboutWindow::get().content(), &QObject::destroyed, look);
    Menu::get()->Append(std::make_unique<ReleaseProbe>(look));
    finalizeModuleGlobals();
    look();
    EXPECT_EQ(held, (std::vector<std::string>{"fileType menu dictionary shortcuts",
                                              "dictionary shortcuts", ""}));
    EXPECT_TRUE(framework::FileType::registeredTypes().empty());
}

} // namespace
