// The menu bar as windows show it, and the command each of its items runs.

#include "app/App.h"
#include "app/Menu.h"
#include "app/Startup.h"
#include "support/FakePlatform.h"
#include "windows/AboutWindow.h"
#include "windows/MainWindow.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

using namespace keyhop;

class MenuBarTest : public testing::Test {
  protected:
    void SetUp() override {
        framework::Application::registerAppObject(std::make_unique<App>());
        applicationAddMenuHandlers();
    }
    void TearDown() override {
        framework::Window::releaseAll();
        framework::Application::releaseAppObject();
    }
    test::FakePlatform platform;
};

TEST_F(MenuBarTest, ShowsItsMenusAndEachItemRunsItsCommand) {
    const Menu menu;
    const auto bar = menu.createNativeMenuBar(app());
    std::vector<std::string> shown;
    for (const QAction* title : bar->actions()) {
        shown.push_back("[" + title->text().toStdString() + "]");
        for (const QAction* entry : title->menu()->actions()) {
            shown.push_back(
                entry->isSeparator()
                    ? "-"
                    : (entry->text() + " " + entry->shortcut().toString()).trimmed().toStdString());
        }
    }
    EXPECT_EQ(shown, (std::vector<std::string>{
                         "[Keyhop]", "About...", "Preferences...", "-", "Quit", "[Edit]",
                         "Cut Ctrl+X", "Copy Ctrl+C", "Paste Ctrl+V", "Clear", "[Help]",
                         "Go to the website...", "Contact us...", "Read the documentation...",
                         "Translate into another language...", "-"}));

    // About and Preferences do not bring Keyhop to the front; Quit quits
    // only in a run of the event loop.
    const QList<QAction*> menus = bar->actions();
    for (QAction* entry : menus[2]->menu()->actions() + menus[0]->menu()->actions()) {
        entry->trigger();
    }
    const std::string site = KEYHOP_WEB_ADDRESS;
    EXPECT_EQ(platform.log,
              (std::vector<std::string>{"url:" + site, "url:" + site + "/contacts.php",
                                        "url:" + site + "/contents.php",
                                        "url:" + site + "/translate.php"}));
    EXPECT_TRUE(AboutWindow::get().Visible());
    EXPECT_TRUE(MainWindow::get().Visible());
    EXPECT_TRUE(app().canHandleMenuCommand("AppleQuit"));
}

} // namespace
