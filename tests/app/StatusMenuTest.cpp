// The status item and its menu: what the tray shows, what each entry does,
// and every failure road.

#include "app/App.h"
#include "app/MakerWebAddress.h"
#include "preferences/PreferencesModule.h"
#include "support/AppSession.h"
#include "support/ConfigHome.h"
#include "support/FakePlatform.h"
#include "support/LoopbackHttpServer.h"
#include "support/WaitUntil.h"
#include "windows/AboutWindow.h"
#include "windows/MainWindow.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QImage>
#include <QMenu>

namespace {

using namespace keyhop;
using test::FakePlatform;
using Names = std::vector<std::string>;

class StatusMenuTest : public testing::Test {
  protected:
    void TearDown() override { makerWebAddress = savedAddress; }

    // The preferences file that Open reads: one row a shortcut.
    void writePreferences(const std::vector<ShortcutTable::Row>& rows) {
        const char* const keys[] = {"FUNCTIONKEY", "SHIFTKEY", "CONTROLKEY",      "OPTIONKEY",
                                    "COMMANDKEY",  "FILENAME", "FILEABSOLUTEPATH"};
        std::string text = "CHECKFORUPDATE = False\n";
        for (std::size_t row = 0; row < rows.size(); ++row) {
            for (std::size_t column = 0; column < rows[row].size(); ++column) {
                text += keys[column] + std::to_string(row) + " = " + rows[row][column] + "\n";
            }
        }
        test::writeFile(home.preferencesFile(), text);
    }
    void open(const std::vector<ShortcutTable::Row>& rows) {
        writePreferences(rows);
        app().Event_Open();
    }

    QMenu* shownMenu() const {
        return platform.trayIcon ? platform.trayIcon->contextMenu() : nullptr;
    }

    // One string an entry: "-" for a separator, "(off) " before a disabled title.
    Names shownEntries() const {
        Names entries;
        for (const QAction* action : shownMenu()->actions()) {
            entries.push_back(action->isSeparator() ? "-"
                                                    : (action->isEnabled() ? "" : "(off) ") +
                                                          action->text().toStdString());
        }
        return entries;
    }

    // As the user does; the entry's Action comes from the event loop.
    void choose(int index) {
        shownMenu()->actions().at(index)->trigger();
        QCoreApplication::sendPostedEvents();
    }

    test::ConfigHome home;
    FakePlatform platform;
    const test::AppSession session;
    const std::string savedAddress = makerWebAddress;
};

TEST_F(StatusMenuTest, ShowsEachRowsNameAsStoredAndEachEntryDoesItsOwnWork) {
    open({{"F1", "X", "", "", "X", "Mail", "/bin/true"},
          {"F2", "", "", "", "", "Mail", "/bin/false"},
          {"F1", "X", "", "", "X", "", "/bin/echo"},
          {"F4", "", "X", "", "", "R&D\tnotes", "/bin/sh"}});
    EXPECT_TRUE(platform.trayIconShown);
    EXPECT_EQ(platform.trayIcon->toolTip().toStdString(), "Keyhop 1.0");
    // The key cap is opaque in the middle and leaves the corner free.
    const QImage icon = platform.trayIcon->icon().pixmap(18, 18).toImage();
    EXPECT_EQ(icon.pixelColor(9, 9).alpha(), 255);
    EXPECT_EQ(icon.pixelColor(0, 0).alpha(), 0);
    // Qt shows "&&" as "&"; a tab shows as a blank, not as a shortcut column.
    EXPECT_EQ(shownEntries(), (Names{"About...", "Preferences...", "-", "Quit", "-",
                                     "(off) Shortcuts:", "Mail", "Mail", "", "R&&D notes"}));
    EXPECT_TRUE(platform.log.empty());

    choose(0);
    EXPECT_TRUE(AboutWindow::get().Visible());
    choose(1);
    EXPECT_TRUE(MainWindow::get().Visible());
    // Outside a run of the event loop Quit only comes to the front.
    choose(3);
    choose(5);
    EXPECT_EQ(platform.log, (Names{"front", "front", "front"}));
    // A shortcut entry opens every row with its keys, without coming to the front.
    platform.log.clear();
    choose(6);
    // The list window removed rows 1 to 3 and has not rebuilt the menu yet:
    // an entry acts on the table as it is now.
    PreferencesModule::shortcutsList->resize(0);
    choose(7);
    choose(6);
    // Its Ok rebuilds the menu from the table as it is now. An Action comes
    // from the event loop, and never for an entry that a rebuild let go of.
    shownMenu()->actions().at(6)->trigger();
    app().updateStatusItem();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(shownEntries(),
              (Names{"About...", "Preferences...", "-", "Quit", "-", "(off) Shortcuts:", "Mail"}));
    app().mainTimer_.reset();
    choose(6);
    EXPECT_EQ(platform.log, (Names{"start:/bin/true", "start:/bin/echo", "start:/bin/true"}));
}

struct FailureRoad {
    const char* name;
    std::function<void(FakePlatform&)> breakIt;
    const char* message;
    // Whether the status item got as far as the tray.
    bool placed;
};

class StatusItemFailureTest : public StatusMenuTest,
                              public testing::WithParamInterface<FailureRoad> {};

TEST_P(StatusItemFailureTest, IsReportedThenQuitsInOrderWhileOpenGoesOn) {
    writePreferences({{"F1", "", "", "", "", "One", "/a"}});
    const test::LoopbackHttpServer server("");
    makerWebAddress = server.address();
    // The update check starts after the status item: it reads the setting as
    // it is once the failure has been shown.
    platform.onMessageBox = [](const std::string&) { PreferencesModule::checkForUpdate = true; };
    GetParam().breakIt(platform);
    EXPECT_EQ(app().run(), 0);

    EXPECT_EQ(platform.log, (Names{"front", "beep", std::string("message:") + GetParam().message}));
    // Nothing more is done with the status item after its failure.
    EXPECT_EQ(platform.trayIconShown, GetParam().placed);
    EXPECT_EQ(platform.trayIcon && !platform.trayIcon->toolTip().isEmpty(), GetParam().placed);
    EXPECT_EQ(shownMenu(), nullptr);
    EXPECT_TRUE(test::waitUntil([&server] { return server.request().has_value(); }));
    EXPECT_NE(app().mainTimer_, nullptr);
    // The orderly quit wrote the preferences.
    EXPECT_NE(test::readFile(home.preferencesFile())->find("CHECKFORUPDATE = True\n"),
              std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    EachRoad, StatusItemFailureTest,
    testing::Values(FailureRoad{"NoTrayIcon", [](FakePlatform& p) { p.trayIconFails = true; },
                                "The NS status item could not be created.", false},
                    FailureRoad{"NoTray", [](FakePlatform& p) { p.trayAvailable = false; },
                                "The NS status item is not available.", false},
                    FailureRoad{"NotPlaced", [](FakePlatform& p) { p.trayPlacementFails = true; },
                                "The NS status item menu could not be created.", false},
                    FailureRoad{"NoMenu", [](FakePlatform& p) { p.menuFails = true; },
                                "The NS menu could not be created.", true},
                    FailureRoad{"NoFixedEntry", [](FakePlatform& p) { p.menuEntriesLeft = 4; },
                                "The NS menu item could not be created.", true},
                    FailureRoad{"NoShortcutEntry", [](FakePlatform& p) { p.menuEntriesLeft = 6; },
                                "The NS menu item could not be created.", true}),
    [](const testing::TestParamInfo<FailureRoad>& info) { return info.param.name; });

} // namespace
