// The key watcher's edge trigger and the launcher's rules, with a scripted
// keyboard and recorded launches.

#include "shortcuts/MainTimer.h"
#include "framework/Listbox.h"
#include "support/AppSession.h"
#include "support/ConfigHome.h"
#include "support/FakePlatform.h"
#include "windows/MainWindow.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

using keyhop::PreferencesModule::shortcutsList;

class MainTimerTest : public testing::Test {
  protected:
    keyhop::test::FakePlatform platform;
    keyhop::test::ConfigHome home;
    const keyhop::test::AppSession session;
    keyhop::MainTimer timer;

    // A row for a combination such as "F5 SM" (F5 with Shift and Command),
    // bound to a file named as given or else after it. Gives the file's path.
    std::string bind(const std::string& combination, std::string name = "", bool missing = false) {
        const std::string path = (home.root() / (name.empty() ? combination : name)).string();
        if (!missing) {
            std::ofstream(path) << name;
        }
        const int row = shortcutsList->lastRow() + 1;
        shortcutsList->resize(row);
        shortcutsList->cell(row, 0) = combination.substr(0, combination.find(' '));
        for (int column = 1; column <= 4; ++column) {
            const bool held = combination.find("SCOM"[column - 1]) != std::string::npos;
            shortcutsList->cell(row, column) = held ? "X" : "";
        }
        shortcutsList->cell(row, 6) = path;
        return path;
    }

    // One tick with these keys down, such as "F3 F7 SC"; gives the names of
    // the files it opened, each followed by ";".
    std::string tick(const std::string& down) {
        platform.functionKeysDown.clear();
        platform.modifierKeysDown.clear();
        std::istringstream words(down);
        for (std::string word; words >> word && word[0] == 'F';) {
            platform.functionKeysDown.insert(std::stoi(word.substr(1)));
        }
        for (int key = 0; key < 4; ++key) {
            if (down.find("SCOM"[key]) != std::string::npos) {
                platform.modifierKeysDown.insert(framework::ModifierKey(key));
            }
        }
        platform.started.clear();
        timer.Event_Action();
        std::string opened;
        for (const auto& argv : platform.started) {
            opened += std::filesystem::path(argv.back()).filename().string() + ";";
        }
        return opened;
    }
};

TEST_F(MainTimerTest, AShortcutFiresWhenAKeyGoesDownAfterATickWithNoneDown) {
    for (int n = 1; n <= 19; ++n) {
        bind("F" + std::to_string(n));
    }
    for (const std::string flags : {"S", "C", "O", "M", "SCOM"}) {
        bind("F5 " + flags);
    }
    const std::pair<std::string, std::string> ticks[] = {
        {"F3 F7", "F3;"}, // the first in table order, at the first tick
        {"F7", ""},       {"F7 M", ""},      {"SCOM", ""}, {"F7", "F7;"},           {"F5 M", ""},
        {"", ""},         {"F5 M", "F5 M;"}, {"", ""},     {"F5 SCOM", "F5 SCOM;"},
    };
    for (const auto& [down, opened] : ticks) {
        EXPECT_EQ(tick(down), opened) << down;
    }
    // Every key and modifier fires its own row.
    for (int row = 0; row <= shortcutsList->lastRow(); ++row) {
        const std::string name = std::filesystem::path(shortcutsList->cell(row, 6)).filename();
        tick("");
        EXPECT_EQ(tick(name), name + ";");
    }
}

TEST_F(MainTimerTest, AMissingItemIsReportedThenTheRowsAfterItOpenAsTheyAreThen) {
    const std::string missing = bind("F9", "gone \"%FILEABSOLUTEPATH%\"", true);
    const std::string second = bind("F9", "second");
    bind("F9", "third");
    platform.onMessageBox = [&](const std::string&) {
        // The list window replaces the table whole while the box is open.
        auto shorter = std::make_unique<keyhop::ShortcutTable>(*shortcutsList);
        shorter->resize(1);
        shortcutsList = std::move(shorter);
    };
    tick("F9");
    EXPECT_EQ(platform.log,
              (std::vector<std::string>{"front", "beep",
                                        "message:The file \"" + missing + "\" could not be found.",
                                        "front", "start:" + second}));
    // The list window shows with the missing item's row chosen.
    const keyhop::MainWindow& window = keyhop::MainWindow::get();
    const auto& list = *window.findControl<framework::Listbox>("ShortcutsListBox");
    EXPECT_TRUE(window.Visible());
    EXPECT_EQ(list.Cell(list.ListIndex(), 6), missing);
}

} // namespace
