// The option panes: what each shows when it opens and what each click does,
// against a private autostart folder and the settings.

#include "plugin/ApplicationExtensions.h"
#include "support/AppSession.h"
#include "support/ConfigHome.h"
#include "support/FakePlatform.h"
#include "windows/AddToLoginItemsContainerControl.h"
#include "windows/CheckForUpdateContainerControl.h"
#include "windows/ResetPreferencesContainerControl.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using namespace keyhop;
using testing::StartsWith;

// A window holding one pane, opened as the list window opens its panes.
class PaneWindow final : public framework::Window {
  public:
    PaneWindow() : Window(framework::WindowRecord{}) {}
    template <typename Pane> Pane& open() {
        auto& pane = addControl<Pane>("Pane");
        raiseControlOpenEvents();
        return pane;
    }
};

class OptionPanesTest : public testing::Test {
  protected:
    template <typename Pane> Pane& open() {
        return windows.emplace_back(std::make_unique<PaneWindow>())->open<Pane>();
    }

    test::FakePlatform platform;
    test::ConfigHome home;
    const test::AppSession session;
    const fs::path autostart = home.config() / "autostart";
    std::vector<std::unique_ptr<PaneWindow>> windows;
};

TEST_F(OptionPanesTest, TheLoginPaneShowsAndChangesWhetherKeyhopStartsAtLogin) {
    // A copy of the running program in another folder is not this one, and
    // an entry that the session settings switched off is none.
    const fs::path running = plugin::BundleFolderMBS(app()).AbsolutePath();
    const fs::path own = autostart / (running.filename().string() + ".desktop");
    const std::string copy = "[Desktop Entry]\nExec=" + (home.root() / running.filename()).string();
    fs::create_directories(autostart);
    test::writeFile(autostart / "copy.desktop", copy);
    test::writeFile(own, "[Desktop Entry]\nExec=" + running.string() +
                             "\nX-GNOME-Autostart-enabled=false\n");
    auto& cleared = open<AddToLoginItemsContainerControl>();
    EXPECT_FALSE(cleared.AddCheckBox.Value());
    cleared.AddCheckBox.setValue(true);
    EXPECT_THAT(platform.messages(), testing::ElementsAre(StartsWith("Keyhop was added to")));
    // Switched on again, shown by the application's name.
    const std::string entry = test::readFile(own).value_or("");
    EXPECT_THAT(entry, testing::HasSubstr("\nName=Keyhop\n"));
    EXPECT_THAT(entry, testing::Not(testing::HasSubstr("X-GNOME-Autostart-enabled")));
    EXPECT_EQ(test::readFile(autostart / "copy.desktop"), copy);

    // Opening ticked raises an Action that finds nothing to do.
    auto& ticked = open<AddToLoginItemsContainerControl>();
    EXPECT_TRUE(ticked.AddCheckBox.Value());
    EXPECT_EQ(platform.messages().size(), 1U);
    ticked.AddCheckBox.setValue(false);
    EXPECT_THAT(platform.messages().back(), StartsWith("Keyhop was removed from"));

    // Where no folder can be made the box stays as the user set it.
    fs::remove_all(autostart);
    test::writeFile(autostart, "");
    ticked.AddCheckBox.setValue(true);
    EXPECT_THAT(platform.messages().back(), StartsWith("Keyhop could not be added to"));
    EXPECT_TRUE(ticked.AddCheckBox.Value());
}

TEST_F(OptionPanesTest, TheSettingPanesShowAndWriteTheirSettings) {
    for (const bool value : {true, false}) {
        PreferencesModule::checkForUpdate = value;
        PreferencesModule::resetPreferences = !value;
        auto& update = open<CheckForUpdateContainerControl>();
        auto& reset = open<ResetPreferencesContainerControl>();
        EXPECT_EQ(update.CheckCheckBox.Value(), value);
        EXPECT_EQ(reset.ResetCheckBox.Value(), !value);
        update.CheckCheckBox.setValue(!value);
        reset.ResetCheckBox.setValue(value);
        EXPECT_EQ(PreferencesModule::checkForUpdate, !value);
        EXPECT_EQ(PreferencesModule::resetPreferences, value);
        // Each box fills its pane wherever the window puts it.
        reset.setBounds(8, 30, 520, 24);
        EXPECT_EQ(reset.ResetCheckBox.Width(), 520);
    }
}

} // namespace
