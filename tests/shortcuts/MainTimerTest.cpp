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
using keyhop::ShortcutTable;
using keyhop::test::ConfigHome;
using keyhop::test::FakePlatform;

class MainTimerTest : public testing::Test {
  protected:
    FakePlatform platform;
    ConfigHome home;
    const std::string folder = home.root().string();
    std::unique_ptr<keyhop::MainTimer> timer;

    void SetUp() override {
        framework::Application::registerAppObject(std::make_unique<keyhop::App>());
        keyhop::PreferencesModule::shortcutsList = std::make_unique<ShortcutTable>();
        timer = std::make_unique<keyhop::MainTimer>();
    }
    void TearDown() override {
        timer.reset();
        framework::Window::releaseAll();
        framework::Application::releaseAppObject();
        keyhop::PreferencesModule::shortcutsList.reset();
    }

    // A row bound to a document of that name, made in the temporary folder
    // unless missing is set. Gives the document's path.
    std::string bind(const std::string& key, const std::string& flags, const std::string& name,
                     bool missing = false) {
        const std::string path = folder + "/" + name;
        if (!missing) {
            std::ofstream(path) << name;
        }
        auto& table = *keyhop::PreferencesModule::shortcutsList;
        const int row = table.lastRow() + 1;
        table.resize(row);
        table.cell(row, 0) = key;
        for (int column = 1; column <= 4; ++column) {
            table.cell(row, column) =
                flags.find("SCOM"[column - 1]) != std::string::npos ? "X" : "";
        }
        table.cell(row, 5) = name;
        table.cell(row, 6) = path;
        return path;
    }

    // Every function key alone, and F5 with each modifier.
    void bindAllKeys() {
        for (int n = 1; n <= 19; ++n) {
            bind("F" + std::to_string(n), "", "F" + std::to_string(n));
        }
        for (const char* flags : {"S", "C", "O", "M", "SCOM"}) {
            bind("F5", flags, std::string("F5+") + flags);
        }
    }

    // One tick with exactly these keys down; gives the names of what it opened.
    std::vector<std::string> tick(std::set<int> keys, std::set<ModifierKey> modifiers = {}) {
        platform.functionKeysDown = std::move(keys);
        platform.modifierKeysDown = std::move(modifiers);
        const std::size_t before = platform.started.size();
        timer->Event_Action();
        std::vector<std::string> opened;
        for (std::size_t i = before; i < platform.started.size(); ++i) {
            opened.push_back(platform.started[i].back().substr(folder.size() + 1));
        }
        return opened;
    }

    using Names = std::vector<std::string>;
};

TEST_F(MainTimerTest, TwoKeysDownTogetherFireOnlyTheFirstInTableOrder) {
    bindAllKeys();
    EXPECT_EQ(tick({3, 7}), Names{"F3"});
    EXPECT_EQ(tick({7}), Names{});
    EXPECT_EQ(tick({7}), Names{});
    EXPECT_EQ(tick({}), Names{});
    EXPECT_EQ(tick({7}), Names{"F7"});
}

TEST_F(MainTimerTest, EveryFunctionKeyFiresItsOwnShortcuts) {
    bindAllKeys();
    for (int n = 1; n <= 19; ++n) {
        EXPECT_EQ(tick({n}), Names{"F" + std::to_string(n)});
        tick({});
    }
}

TEST_F(MainTimerTest, TableOrderIsNotNumberOrder) {
    bindAllKeys();
    // F17 to F19 have the lowest codes but come last.
    EXPECT_EQ(tick({19, 17, 16}), Names{"F16"});
}

TEST_F(MainTimerTest, AKeyHeldForManyTicksFiresOnce) {
    bindAllKeys();
    EXPECT_EQ(tick({5}), Names{"F5"});
    for (int i = 0; i < 300; ++i) {
        ASSERT_EQ(tick({5}), Names{});
    }
    EXPECT_EQ(tick({}), Names{});
    EXPECT_EQ(tick({5}), Names{"F5"});
}

TEST_F(MainTimerTest, ModifiersAreSampledAtTheFiringTickOnly) {
    bindAllKeys();
    EXPECT_EQ(tick({}, {ModifierKey::Command}), Names{});
    EXPECT_EQ(tick({5}, {ModifierKey::Command}), Names{"F5+M"});
    EXPECT_EQ(tick({}), Names{});
    EXPECT_EQ(tick({5}), Names{"F5"});
    EXPECT_EQ(tick({5}, {ModifierKey::Command}), Names{});
    EXPECT_EQ(tick({5}, {ModifierKey::Shift}), Names{});
}

TEST_F(MainTimerTest, EachModifierGoesToItsOwnFlag) {
    bindAllKeys();
    const std::pair<ModifierKey, const char*> cases[] = {{ModifierKey::Shift, "F5+S"},
                                                         {ModifierKey::Control, "F5+C"},
                                                         {ModifierKey::Option, "F5+O"},
                                                         {ModifierKey::Command, "F5+M"}};
    for (const auto& [modifier, name] : cases) {
        EXPECT_EQ(tick({5}, {modifier}), Names{name});
        tick({});
    }
    EXPECT_EQ(tick({5}, {ModifierKey::Shift, ModifierKey::Control, ModifierKey::Option,
                         ModifierKey::Command}),
              Names{"F5+SCOM"});
}

TEST_F(MainTimerTest, AKeyAlreadyDownAtTheFirstTickFires) {
    bindAllKeys();
    EXPECT_EQ(tick({12}), Names{"F12"});
}

TEST_F(MainTimerTest, ModifiersAloneAndKeysOutsideTheTableNeverFire) {
    bindAllKeys();
    EXPECT_EQ(tick({}, {ModifierKey::Shift, ModifierKey::Control, ModifierKey::Option,
                        ModifierKey::Command}),
              Names{});
    // F20 and beyond are not watched.
    EXPECT_EQ(tick({20, 24}), Names{});
}

TEST_F(MainTimerTest, AnEmptyTableDoesNothingAndStillTracksTheHeldKey) {
    EXPECT_EQ(tick({3}), Names{});
    // Bound while F3 is held: the press that is going on fires nothing.
    bind("F7", "", "F7");
    EXPECT_EQ(tick({3, 7}), Names{});
    EXPECT_TRUE(platform.log.empty());
}

TEST_F(MainTimerTest, FlagsMustMatchExactly) {
    bind("F5", "S", "shift");
    bind("F5", "MS", "command-shift");
    EXPECT_EQ(tick({5}), Names{});
    tick({});
    EXPECT_EQ(tick({5}, {ModifierKey::Command}), Names{});
    tick({});
    EXPECT_EQ(tick({5}, {ModifierKey::Shift}), Names{"shift"});
    // "x" is not "X" and "f5" is not "F5".
    keyhop::PreferencesModule::shortcutsList->cell(0, 1) = "x";
    keyhop::PreferencesModule::shortcutsList->cell(1, 0) = "f5";
    timer->processAction("F5", "X", "", "", "");
    timer->processAction("F5", "X", "", "", "X");
    EXPECT_EQ(platform.started.size(), 1u);
}

TEST_F(MainTimerTest, IdenticalRowsAreAllOpenedInRowOrder) {
    bind("F2", "C", "first");
    bind("F2", "", "other");
    bind("F2", "C", "second");
    EXPECT_EQ(tick({2}, {ModifierKey::Control}), (Names{"first", "second"}));
}

TEST_F(MainTimerTest, AMissingItemIsReportedAndTheNextRowStillOpens) {
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
        auto shorter =
            std::make_unique<keyhop::ShortcutTable>(*keyhop::PreferencesModule::shortcutsList);
        shorter->resize(1);
        keyhop::PreferencesModule::shortcutsList = std::move(shorter);
    };
    EXPECT_EQ(tick({4}), Names{"second"});
}

TEST_F(MainTimerTest, OpenMakesTheWatcher) {
    auto& application = keyhop::app();
    EXPECT_EQ(application.mainTimer_, nullptr);
    application.Event_Open();
    ASSERT_NE(application.mainTimer_, nullptr);
    EXPECT_EQ(application.mainTimer_->Period(), 10);
    EXPECT_EQ(application.mainTimer_->Mode(), framework::Timer::ModeMultiple);
}

} // namespace
