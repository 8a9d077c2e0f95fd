// The menu bar as windows show it, and the command each of its items runs.

#include "app/Menu.h"
#include "app/Startup.h"
#include "support/AppSession.h"
#include "support/FakePlatform.h"
#include "windows/AboutWindow.h"
#include "windows/MainWindow.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

namespace {

using namespace keyhop;

TEST(MenuBar, ShowsItsMenusAndEachItemRunsItsCommand) {
    test::FakePlatform platform;
    const test::AppSession session;
    applicationAddMenuHandlers();
    const Menu menu;
    const auto bar = menu.createNativeMenuBar(app());
    std::vector<std::string> shown;
    for (const QAction* title : bar->actions()) {
        shown.push_back("[" + title->text().toStdString() + "]");
        for (const QAction* entry : title->menu()->actions()) {
            const QString text = entry->text() + " " + entry->shortcut().toString();
            shown.push_back(entry->isSeparator() ? "-" : text.trimmed().toStdString());
        }
    }
    EXPECT_EQ(shown, (std::vector<std::string>{
                         "[Keyhop]", "About...", "Preferences...", "-", "Quit", "[Edit]",
                         "Cut Ctrl+X", "Copy Ctrl+C", "Paste Ctrl+V", "Clear", "[Help]",
                         "Go to the website...", "Contact us...", "Read the documentation...",
                         "Translate into another language...", "-"}));

    const QList<QAction*> menus = bar->actions();
    // Drawn, though Qt hides a separator that ends a menu by default.
    const QMenu& help = *menus[2]->menu();
    EXPECT_FALSE(help.actionGeometry(help.actions().last()).isEmpty());
    const auto choose = [&menus](int menu, int entry) {
        menus[menu]->menu()->actions().at(entry)->trigger();
    };
    for (const int entry : {0, 1, 2, 3}) {
        choose(2, entry);
    }
    // About and Preferences do not bring Keyhop to the front.
    choose(0, 0);
    choose(0, 1);
    const std::string site = KEYHOP_WEB_ADDRESS;
    EXPECT_EQ(platform.log,
              (std::vector<std::string>{"url:" + site, "url:" + site + "/contacts.php",
                                        "url:" + site + "/contents.php",
                                        "url:" + site + "/translate.php"}));
    EXPECT_TRUE(AboutWindow::get().Visible());
    EXPECT_TRUE(MainWindow::get().Visible());
    // Quit quits only in a run of the event loop.
    EXPECT_TRUE(app().canHandleMenuCommand("AppleQuit"));

    // The edit commands act on the focused text field.
    QLineEdit field("hop over");
    field.show();
    QApplication::setActiveWindow(&field);
    field.setFocus();
    ASSERT_EQ(QApplication::focusWidget(), &field);
    field.setSelection(0, 4);
    choose(1, 0);
    EXPECT_EQ(field.text().toStdString(), "over");
    field.setCursorPosition(0);
    choose(1, 2);
    EXPECT_EQ(field.text().toStdString(), "hop over");
    field.setSelection(4, 4);
    choose(1, 1);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "over");
    // Clear takes the selection away and nothing else.
    choose(1, 3);
    choose(1, 3);
    EXPECT_EQ(field.text().toStdString(), "hop ");
}

} // namespace
