// The menu bar: its menus and items, the handlers bound to their names, and
// the menu bar as windows show it.

#include "app/App.h"
#include "app/Menu.h"
#include "app/Startup.h"
#include "framework/MenuItem.h"
#include "preferences/PreferencesModule.h"
#include "support/FakePlatform.h"
#include "windows/AboutWindow.h"
#include "windows/MainWindow.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

using namespace keyhop;
using framework::MenuItem;
using Role = MenuItem::Role;

struct ItemRecord {
    std::string name;
    Role role;
    bool autoEnable;
    std::string text;
    std::string keyboardShortcut;
    bool operator==(const ItemRecord&) const = default;
};

void PrintTo(const ItemRecord& item, std::ostream* out) {
    *out << item.name << " " << static_cast<int>(item.role) << " " << item.autoEnable << " \""
         << item.text << "\" \"" << item.keyboardShortcut << "\"";
}

std::vector<ItemRecord> recordsOf(const MenuItem& parent) {
    std::vector<ItemRecord> records;
    for (const auto& item : parent.children()) {
        records.push_back({item->Name(), item->role(), item->AutoEnable(), item->Text(),
                           item->KeyboardShortcut()});
    }
    return records;
}

TEST(MenuBar, HoldsTheEditAndHelpMenusWithTheirItemsInOrder) {
    const Menu menu;
    EXPECT_EQ(recordsOf(menu), (std::vector<ItemRecord>{
                                   {"Edit", Role::Ordinary, false, "Edit", ""},
                                   {"Help", Role::Ordinary, false, "Help", ""},
                               }));
    EXPECT_EQ(recordsOf(*menu.Child("Edit")),
              (std::vector<ItemRecord>{
                  {"EditCut", Role::Ordinary, true, "Cut", "Cmd+X"},
                  {"EditCopy", Role::Ordinary, true, "Copy", "Cmd+C"},
                  {"EditPaste", Role::Ordinary, true, "Paste", "Cmd+V"},
                  {"EditClear", Role::Ordinary, true, "Clear", ""},
              }));
    EXPECT_EQ(recordsOf(*menu.Child("Help")),
              (std::vector<ItemRecord>{
                  {"HelpWebsite", Role::Ordinary, true, "Go to the website...", ""},
                  {"HelpContact", Role::Ordinary, true, "Contact us...", ""},
                  {"HelpDocumentation", Role::Ordinary, true, "Read the documentation...", ""},
                  {"HelpTranslate", Role::Ordinary, true, "Translate into another language...", ""},
                  {"HelpSeparator", Role::Ordinary, false, "-", ""},
                  {"AppleQuit", Role::Quit, false, "Quit", ""},
                  {"AppleAbout", Role::About, true, "About...", ""},
                  {"ApplePreferences", Role::Preferences, true, "Preferences...", ""},
              }));
}

TEST(MenuBar, IsBuiltOnceAndLetGoAtExit) {
    const auto first = Menu::get();
    EXPECT_EQ(Menu::get(), first);
    Menu::release();
    EXPECT_NE(Menu::get(), first);
    Menu::release();
}

class MenuCommandTest : public testing::Test {
  protected:
    void SetUp() override {
        framework::Application::registerAppObject(std::make_unique<App>());
        applicationAddMenuHandlers();
        PreferencesModule::shortcutsList = std::make_unique<ShortcutTable>();
    }
    void TearDown() override {
        framework::Window::releaseAll();
        framework::Application::releaseAppObject();
        PreferencesModule::shortcutsList.reset();
    }
    test::FakePlatform platform;
};

TEST_F(MenuCommandTest, HelpItemsOpenTheirPagesOnTheMakersSite) {
    for (const char* name : {"HelpWebsite", "HelpContact", "HelpDocumentation", "HelpTranslate"}) {
        EXPECT_TRUE(app().handleMenuCommand(name)) << name;
    }
    const std::string site = KEYHOP_WEB_ADDRESS;
    EXPECT_EQ(platform.log,
              (std::vector<std::string>{"url:" + site, "url:" + site + "/contacts.php",
                                        "url:" + site + "/contents.php",
                                        "url:" + site + "/translate.php"}));
}

TEST_F(MenuCommandTest, AboutAndPreferencesShowTheirWindowsWithoutComingToTheFront) {
    EXPECT_TRUE(app().handleMenuCommand("AppleAbout"));
    EXPECT_TRUE(AboutWindow::get().Visible());
    EXPECT_TRUE(app().handleMenuCommand("ApplePreferences"));
    EXPECT_TRUE(MainWindow::get().Visible());
    EXPECT_TRUE(app().handleMenuCommand("AppleAbout"));
    EXPECT_TRUE(platform.log.empty());
}

TEST_F(MenuCommandTest, OnlyTheSevenItemsHaveHandlers) {
    for (const char* name : {"HelpDocumentation", "HelpTranslate", "AppleAbout", "AppleQuit",
                             "ApplePreferences", "HelpContact", "HelpWebsite"}) {
        EXPECT_TRUE(app().canHandleMenuCommand(name)) << name;
    }
    // Without a focused text field the edit items have nothing to act on.
    for (const char* name :
         {"Edit", "Help", "EditCut", "EditCopy", "EditPaste", "EditClear", "HelpSeparator"}) {
        EXPECT_FALSE(app().canHandleMenuCommand(name)) << name;
        EXPECT_FALSE(app().handleMenuCommand(name)) << name;
    }
}

TEST_F(MenuCommandTest, EveryHandlerAnswersTrue) {
    App& application = app();
    EXPECT_TRUE(application.HelpDocumentation_Action());
    EXPECT_TRUE(application.HelpTranslate_Action());
    EXPECT_TRUE(application.AppleAbout_Action());
    EXPECT_TRUE(application.AppleQuit_Action());
    EXPECT_TRUE(application.ApplePreferences_Action());
    EXPECT_TRUE(application.HelpContact_Action());
    EXPECT_TRUE(application.HelpWebsite_Action());
}

std::vector<std::string> entriesOf(const QMenu& menu) {
    std::vector<std::string> entries;
    for (const QAction* action : menu.actions()) {
        entries.push_back(action->isSeparator()
                              ? "-"
                              : action->text().toStdString() +
                                    (action->shortcut().isEmpty()
                                         ? ""
                                         : " " + action->shortcut().toString().toStdString()));
    }
    return entries;
}

TEST_F(MenuCommandTest, OnScreenTheApplicationMenuHoldsAboutPreferencesAndQuit) {
    const Menu menu;
    const auto bar = menu.createNativeMenuBar(app());
    const QList<QAction*> menus = bar->actions();
    ASSERT_EQ(menus.size(), 3);
    EXPECT_EQ(menus[0]->text().toStdString(), "Keyhop");
    EXPECT_EQ(entriesOf(*menus[0]->menu()),
              (std::vector<std::string>{"About...", "Preferences...", "-", "Quit"}));
    EXPECT_EQ(menus[1]->text().toStdString(), "Edit");
    EXPECT_EQ(entriesOf(*menus[1]->menu()),
              (std::vector<std::string>{"Cut Ctrl+X", "Copy Ctrl+C", "Paste Ctrl+V", "Clear"}));
    EXPECT_EQ(menus[2]->text().toStdString(), "Help");
    EXPECT_EQ(entriesOf(*menus[2]->menu()),
              (std::vector<std::string>{"Go to the website...", "Contact us...",
                                        "Read the documentation...",
                                        "Translate into another language...", "-"}));
    // Drawn, though Qt hides a separator that ends a menu by default.
    const QMenu& help = *menus[2]->menu();
    EXPECT_FALSE(help.actionGeometry(help.actions().last()).isEmpty());

    // Choosing an entry runs the handler bound to its item's name.
    menus[2]->menu()->actions().at(1)->trigger();
    EXPECT_EQ(platform.log, std::vector<std::string>{"url:" KEYHOP_WEB_ADDRESS "/contacts.php"});
}

TEST_F(MenuCommandTest, AWindowShowsTheMenuBarAboveItsContentArea) {
    app().setMenuBar(Menu::get());
    MainWindow& window = MainWindow::get();
    const auto* bar = window.content().window()->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    std::vector<std::string> titles;
    for (const QAction* menu : bar->actions()) {
        titles.push_back(menu->text().toStdString());
    }
    EXPECT_EQ(titles, (std::vector<std::string>{"Keyhop", "Edit", "Help"}));
    // The content area keeps the window's design size.
    EXPECT_EQ(window.Width(), 460);
    EXPECT_EQ(window.Height(), 320);
    Menu::release();
}

} // namespace
