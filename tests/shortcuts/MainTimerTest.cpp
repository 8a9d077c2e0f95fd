// The key watcher's edge trigger and the launcher's rules, with a scripted
// keyboard and recorded launches.

#include "shortcuts/MainTimer.h"
#include "app/App.h"
#include "preferences/PreferencesModule.h"
#include "support/ConfigHome.h"
#include "support/FakePlatform.h"
#include "windows/MainWindow.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

using framework::ModifierKey;
using keyhop::PreferencesModule::shortcutsList;
using Names = std::vector<std::string>;

constexpr ModifierKey S = ModifierKey::Shift, C = ModifierKey::Control, O = ModifierKey::Option,
                      M = ModifierKey::Command;

class MainTimerTest : public testing::Test {
  protected:
    keyhop::test::FakePlatform platform;
    keyhop::test::ConfigHome home;
    const std::string folder = home.root().string();
    std::unique_ptr<keyhop::MainTimer> timer;

    void SetUp() override {
        framework::Application::registerAppObject(std::make_unique<keyhop::App>());
        shortcutsList = std::make_unique<keyhop::ShortcutTable>();
        timer = std::make_unique<keyhop::MainTimer>();
    }
    void TearDown() override {
        timer.reset();
        framework::Window::releaseAll();
        framework::Application::releaseAppObject();
        shortcutsList.reset();
    }

    // A row bound to a document of that name, made unless missing. Gives its path.
    std::string bind(const std::string& key, const std::string& flags, const std::string& name,
                     bool missing = false) {
        const std::string path = folder + "/" + name;
        if (!missing) {
            std::ofstream(path) << name;
        }
        auto& table = *shortcutsList;
        const int row = table.lastRow() + 1;
        table.resize(row);
        table.cell(row, 0) = key;
        for (int column = 1; column <= 4; ++column) {
            table.cell(row, column) =
                flags.find("SCOM"[column - 1]) != std::string::npos ? "X" : "";
        }
        table.cell(row, 6) = path;
        return path;
    }

    // Every function key alone, and F5 with each modifier and with all four.
    void bindAllKeys() {
        for (int n = 1; n <= 19; ++n) {
            bind("F" + std::to_string(n), "", "F" + std::to_string(n));
        }
        for (const char* flags : {"S", "C", "O", "M", "SCOM"}) {
            bind("F5", flags, std::string("F5+") + flags);
        }
    }

    // One tick with exactly these keys down; gives the names of what it opened.
    Names tick(std::set<int> keys, std::set<ModifierKey> modifiers = {}) {
        platform.functionKeysDown = std::move(keys);
        platform.modifierKeysDown = std::move(modifiers);
        const std::size_t before = platform.started.size();
        timer->Event_Action();
        Names opened;
        for (std::size_t i = before; i < platform.started.size(); ++i) {
            opened.push_back(platform.started[i].back().substr(folder.size() + 1));
        }
        return opened;
    }
};

TEST_F(MainTimerTest, AShortcutFiresWhenAKeyGoesDownAfterATickWithNoneDown) {
    bindAllKeys();
    const struct {
        std::set<int> keys;
        std::set<ModifierKey> modifiers;
        Names opened;
    } ticks[] = {
        {{3, 7}, {}, {"F3"}}, // the first in table order, at the first tick
        {{7}, {}, {}},        {{7}, {M}, {}}, {{}, {S, C, O, M}, {}},
        {{7}, {}, {"F7"}},    {{}, {}, {}},   {{5}, {M}, {"F5+M"}},
        {{5}, {S}, {}},       {{}, {}, {}},   {{5}, {S, C, O, M}, {"F5+SCOM"}},
    };
    for (std::size_t i = 0; i < std::size(ticks); ++i) {
        EXPECT_EQ(tick(ticks[i].keys, ticks[i].modifiers), ticks[i].opened) << i;
    }
}

TEST_F(MainTimerTest, EveryKeyAndModifierFiresItsOwnShortcut) {
    bindAllKeys();
    for (int n = 1; n <= 19; ++n) {
        EXPECT_EQ(tick({n}), Names{"F" + std::to_string(n)});
        tick({});
    }
    for (const auto& [modifier, name] :
         {std::pair{S, "F5+S"}, {C, "F5+C"}, {O, "F5+O"}, {M, "F5+M"}}) {
        EXPECT_EQ(tick({5}, {modifier}), Names{name});
        tick({});
    }
}

TEST_F(MainTimerTest, FlagsAndNamesMustMatchExactly) {
    bind("F5", "S", "shift");
    bind("F5", "MS", "command-shift");
    EXPECT_EQ(tick({5}), Names{});
    tick({});
    EXPECT_EQ(tick({5}, {M}), Names{});
    // "x" is not "X" and "f5" is not "F5".
    shortcutsList->cell(0, 1) = "x";
    shortcutsList->cell(1, 0) = "f5";
    timer->processAction("F5", "X", "", "", "");
    timer->processAction("F5", "X", "", "", "X");
    EXPECT_TRUE(platform.started.empty());
}

TEST_F(MainTimerTest, AMissingItemIsReportedAndEveryOtherMatchingRowStillOpensInOrder) {
    const std::string first = bind("F9", "", "first");
    const std::string missing = bind("F9", "", "gone \"%FILEABSOLUTEPATH%\"", true);
    const std::string last = bind("F9", "", "last");
    bool windowShownDuringMessage = true;
    platform.onMessageBox = [&](const std::string&) {
        windowShownDuringMessage = keyhop::MainWindow::get().Visible();
    };
    tick({9});
    EXPECT_EQ(platform.log, (Names{"start:" + first, "front", "beep",
                                   "message:The file \"" + missing + "\" could not be found.",
                                   "front", "start:" + last}));
    EXPECT_FALSE(windowShownDuringMessage);
    EXPECT_TRUE(keyhop::MainWindow::get().Visible());
}

TEST_F(MainTimerTest, TheTableMayChangeWhileAMessageIsOpen) {
    bind("F4", "", "missing", true);
    bind("F4", "", "second");
    bind("F4", "", "third");
    // The list window replaces the table whole while the box is open.
    platform.onMessageBox = [&](const std::string&) {
        auto shorter = std::make_unique<keyhop::ShortcutTable>(*shortcutsList);
        shorter->resize(1);
        shortcutsList = std::move(shorter);
    };
    EXPECT_EQ(tick({4}), Names{"second"});
}

} // namespace
