// The status item and its menu: what the user sees in the tray, what each
// entry does, and every failure road.

#include "app/App.h"
#include "app/IconPicture.h"
#include "app/NSMenuItem.h"
#include "framework/Picture.h"
#include "preferences/PreferencesModule.h"
#include "support/ConfigHome.h"
#include "support/FakePlatform.h"
#include "windows/AboutWindow.h"
#include "windows/MainWindow.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QImage>
#include <QMenu>
#include <QTimer>

namespace {

using namespace keyhop;
using test::FakePlatform;

class StatusMenuTest : public testing::Test {
  protected:
    void SetUp() override {
        PreferencesModule::shortcutsList = std::make_unique<ShortcutTable>();
        framework::Application::registerAppObject(std::make_unique<App>());
    }
    void TearDown() override {
        framework::Application::releaseAppObject();
        PreferencesModule::shortcutsList.reset();
    }

    // A shortcut in the preferences file that Open reads.
    void addRow(const ShortcutTable::Row& row) {
        static const char* const keys[] = {"FUNCTIONKEY",     "SHIFTKEY",   "CONTROLKEY",
                                           "OPTIONKEY",       "COMMANDKEY", "FILENAME",
                                           "FILEABSOLUTEPATH"};
        for (std::size_t column = 0; column < row.size(); ++column) {
            preferences_ += keys[column] + std::to_string(rows_) + " = " + row[column] + "\n";
        }
        ++rows_;
    }

    // Open, with the preferences file written first.
    void open() {
        writePreferences();
        app().Event_Open();
    }

    void writePreferences() { test::writeFile(home.preferencesFile(), preferences_); }

    // A program that the launcher starts for real; its path.
    std::string executable(const std::string& name) const {
        const auto path = home.root() / name;
        test::writeFile(path, "#!/bin/sh\n");
        std::filesystem::permissions(path, std::filesystem::perms::owner_all);
        return path.string();
    }

    QMenu* shownMenu() const {
        return platform.trayIcon ? platform.trayIcon->contextMenu() : nullptr;
    }

    // The shown menu, one string an entry: "-" for a separator, "(off) "
    // before a disabled entry's title.
    std::vector<std::string> shownEntries() const {
        std::vector<std::string> entries;
        if (QMenu* menu = shownMenu()) {
            for (const QAction* action : menu->actions()) {
                entries.push_back(action->isSeparator() ? "-"
                                                        : (action->isEnabled() ? "" : "(off) ") +
                                                              action->text().toStdString());
            }
        }
        return entries;
    }

    // Chooses the entry as the user does; its Action comes from the event loop.
    void choose(int index) {
        shownMenu()->actions().at(index)->trigger();
        QCoreApplication::sendPostedEvents();
    }

    // Runs the application from its Open until it quits by itself; then
    // is called once the status menu is shown. Gives up after ten seconds.
    int runUntilQuit(std::function<void()> then = {}) {
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [this, &poll, &then] {
            if (shownMenu() != nullptr) {
                poll.stop();
                if (then) {
                    then();
                }
            }
        });
        poll.start(1);
        QTimer giveUp;
        giveUp.setSingleShot(true);
        QObject::connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        giveUp.start(10000);
        return app().run();
    }

    test::ConfigHome home;
    FakePlatform platform;
    std::string preferences_ = "CHECKFORUPDATE = False\n";
    int rows_ = 0;
};

const std::vector<std::string> fixedEntries{"About...", "Preferences...",  "-", "Quit",
                                            "-",        "(off) Shortcuts:"};

TEST_F(StatusMenuTest, AnEmptyTableGivesTheSixFixedEntries) {
    open();
    EXPECT_TRUE(platform.trayIconShown);
    EXPECT_EQ(shownEntries(), fixedEntries);
    const auto& items = app().statusMenuItems();
    ASSERT_EQ(items.size(), 6u);
    for (const int tag : {0, 1, 3, 5}) {
        EXPECT_EQ(items[static_cast<std::size_t>(tag)]->tag(), tag);
    }
    EXPECT_EQ(items[2]->tag(), 0);
    EXPECT_EQ(items[4]->tag(), 0);
    EXPECT_TRUE(platform.log.empty());
}

TEST_F(StatusMenuTest, TheStatusItemHasItsToolTipAndItsIcon) {
    open();
    EXPECT_EQ(platform.trayIcon->toolTip().toStdString(), "Keyhop 1.0");
    const QImage icon = platform.trayIcon->icon().pixmap(18, 18).toImage();
    ASSERT_EQ(icon.size(), QSize(18, 18));
    // The key cap is opaque in the middle and leaves the corner free.
    EXPECT_EQ(icon.pixelColor(9, 9).alpha(), 255);
    EXPECT_EQ(icon.pixelColor(0, 0).alpha(), 0);
}

TEST_F(StatusMenuTest, ShortcutEntriesFollowTheRowsWithTheirNamesAsStored) {
    addRow({"F1", "X", "", "", "", "Mail", "/usr/bin/mail"});
    addRow({"F2", "", "", "", "X", "Mail", "/opt/mail"});
    addRow({"F3", "", "", "", "", "", "/tmp/nameless"});
    addRow({"F4", "", "X", "", "", "R&D notes", "/tmp/notes"});
    open();
    auto expected = fixedEntries;
    // "&" is doubled only so that Qt shows it as itself.
    expected.insert(expected.end(), {"Mail", "Mail", "", "R&&D notes"});
    EXPECT_EQ(shownEntries(), expected);
    const auto& items = app().statusMenuItems();
    ASSERT_EQ(items.size(), 10u);
    for (int tag = 6; tag < 10; ++tag) {
        EXPECT_EQ(items[static_cast<std::size_t>(tag)]->tag(), tag);
    }
}

TEST_F(StatusMenuTest, ARebuildShowsExactlyTheCurrentTable) {
    addRow({"F1", "", "", "", "", "One", "/a"});
    addRow({"F2", "", "", "", "", "Two", "/b"});
    addRow({"F3", "", "", "", "", "Three", "/c"});
    open();
    const QList<QAction*> before = shownMenu()->actions();

    PreferencesModule::shortcutsList->resize(0);
    PreferencesModule::shortcutsList->cell(0, 5) = "Renamed";
    app().updateStatusItem();
    auto expected = fixedEntries;
    expected.push_back("Renamed");
    EXPECT_EQ(shownEntries(), expected);
    EXPECT_EQ(app().statusMenuItems().size(), 7u);
    for (QAction* action : shownMenu()->actions()) {
        EXPECT_FALSE(before.contains(action));
    }
}

TEST_F(StatusMenuTest, AboutPreferencesAndQuitComeToTheFrontFirst) {
    const std::string tool = executable("tool");
    addRow({"F1", "", "", "", "", "Tool", tool});
    open();
    choose(0);
    EXPECT_EQ(platform.log, std::vector<std::string>{"front"});
    EXPECT_TRUE(AboutWindow::get().Visible());
    choose(1);
    EXPECT_EQ(platform.log, (std::vector<std::string>{"front", "front"}));
    EXPECT_TRUE(MainWindow::get().Visible());
    // Neither the disabled heading nor a shortcut entry comes to the front.
    choose(5);
    choose(6);
    EXPECT_EQ(platform.log, (std::vector<std::string>{"front", "front", "start:" + tool}));
    framework::Window::releaseAll();
}

TEST_F(StatusMenuTest, AShortcutEntryOpensEveryRowWithItsKeys) {
    const std::string mail = executable("mail");
    const std::string other = executable("other");
    const std::string nameless = executable("nameless");
    addRow({"F1", "X", "", "", "X", "Mail", mail});
    addRow({"F2", "", "", "", "", "Mail", other});
    addRow({"F1", "X", "", "", "X", "", nameless});
    open();
    choose(6);
    EXPECT_EQ(platform.log, (std::vector<std::string>{"start:" + mail, "start:" + nameless}));
    platform.log.clear();
    choose(7);
    EXPECT_EQ(platform.log, std::vector<std::string>{"start:" + other});
    platform.log.clear();
    choose(8);
    EXPECT_EQ(platform.log, (std::vector<std::string>{"start:" + mail, "start:" + nameless}));
}

TEST_F(StatusMenuTest, AnEntryActsOnWhateverRowHasItsIndexWhenChosen) {
    const std::string first = executable("first");
    const std::string second = executable("second");
    addRow({"F1", "", "", "", "", "First", first});
    addRow({"F2", "", "", "", "", "Second", second});
    open();
    // The list window removed the first row; its Ok has not rebuilt the menu.
    ShortcutTable& table = *PreferencesModule::shortcutsList;
    table.cell(0, 0) = table.cell(1, 0);
    table.cell(0, 6) = table.cell(1, 6);
    table.resize(0);
    choose(7);
    EXPECT_TRUE(platform.log.empty());
    choose(6);
    EXPECT_EQ(platform.log, std::vector<std::string>{"start:" + second});
}

TEST_F(StatusMenuTest, WithoutAKeyWatcherAShortcutEntryDoesNothing) {
    addRow({"F1", "", "", "", "", "Tool", executable("tool")});
    open();
    app().mainTimer_.reset();
    choose(6);
    EXPECT_TRUE(platform.log.empty());
}

TEST_F(StatusMenuTest, QuitQuitsInOrder) {
    addRow({"F1", "", "", "", "", "One", "/a"});
    // A line Keyhop never writes shows whether the file was written anew.
    preferences_ += "UNKNOWN = 1\n";
    writePreferences();
    EXPECT_EQ(runUntilQuit([this] { choose(3); }), 0);
    EXPECT_EQ(platform.log, std::vector<std::string>{"front"});
    const auto written = test::readFile(home.preferencesFile());
    ASSERT_TRUE(written);
    EXPECT_EQ(written->find("UNKNOWN"), std::string::npos);
    EXPECT_NE(written->find("FILENAME0 = One\n"), std::string::npos);
}

TEST_F(StatusMenuTest, AFailedRebuildKeepsThePreviousMenu) {
    addRow({"F1", "", "", "", "", "One", "/a"});
    open();
    QMenu* previous = shownMenu();
    const auto expected = shownEntries();
    // The list window added a row; its Ok rebuilds the menu.
    PreferencesModule::shortcutsList->resize(1);
    PreferencesModule::shortcutsList->cell(1, 5) = "Two";

    platform.menuFails = true;
    app().updateStatusItem();
    platform.menuFails = false;
    platform.menuEntriesLeft = 7;
    app().updateStatusItem();

    EXPECT_EQ(platform.messages(),
              (std::vector<std::string>{"The NS menu could not be created.",
                                        "The NS menu item could not be created."}));
    EXPECT_EQ(shownMenu(), previous);
    EXPECT_EQ(shownEntries(), expected);
}

struct FailureRoad {
    const char* name;
    std::function<void(FakePlatform&)> breakIt;
    const char* message;
};

// Names the road in test listings instead of dumping the object's bytes.
void PrintTo(const FailureRoad& road, std::ostream* out) {
    *out << road.name;
}

class StatusItemFailureTest : public StatusMenuTest,
                              public testing::WithParamInterface<FailureRoad> {};

TEST_P(StatusItemFailureTest, IsReportedThenQuitsInOrder) {
    addRow({"F1", "", "", "", "", "One", "/a"});
    writePreferences();
    GetParam().breakIt(platform);
    EXPECT_EQ(runUntilQuit(), 0);
    EXPECT_EQ(platform.log, (std::vector<std::string>{
                                "front", "beep", std::string("message:") + GetParam().message}));
    // Open went on after the failure: the key watcher was made.
    EXPECT_NE(app().mainTimer_, nullptr);
    // The quit was the orderly one: the preferences were written back.
    const auto written = test::readFile(home.preferencesFile());
    ASSERT_TRUE(written);
    EXPECT_NE(written->find("FILENAME0 = One\n"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    EachRoad, StatusItemFailureTest,
    testing::Values(FailureRoad{"NoTrayIcon", [](FakePlatform& p) { p.trayIconFails = true; },
                                "The NS status item could not be created."},
                    FailureRoad{"NoTray", [](FakePlatform& p) { p.trayAvailable = false; },
                                "The NS status item is not available."},
                    FailureRoad{"NotPlaced", [](FakePlatform& p) { p.trayPlacementFails = true; },
                                "The NS status item menu could not be created."},
                    FailureRoad{"NoMenu", [](FakePlatform& p) { p.menuFails = true; },
                                "The NS menu could not be created."},
                    FailureRoad{"NoFixedEntry", [](FakePlatform& p) { p.menuEntriesLeft = 4; },
                                "The NS menu item could not be created."},
                    FailureRoad{"NoShortcutEntry", [](FakePlatform& p) { p.menuEntriesLeft = 6; },
                                "The NS menu item could not be created."}),
    [](const testing::TestParamInfo<FailureRoad>& info) { return info.param.name; });

TEST(IconPicture, IsLoadedOnceFromTheResources) {
    const auto first = IconPicture();
    ASSERT_TRUE(first);
    EXPECT_EQ(first->Width(), 18);
    EXPECT_EQ(first->Height(), 18);
    EXPECT_EQ(IconPicture(), first);
    IconPicture.release();
    EXPECT_NE(IconPicture(), first);
    IconPicture.release();
}

} // namespace
