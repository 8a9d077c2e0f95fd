// The extension library's status item, menus, entries and strings.

#include "framework/Picture.h"
#include "plugin/CFStringMBS.h"
#include "plugin/NSImageMBS.h"
#include "plugin/NSMenuItemMBS.h"
#include "plugin/NSMenuMBS.h"
#include "plugin/NSStatusItemMBS.h"
#include "support/FakePlatform.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

namespace {

using namespace plugin;
using keyhop::test::FakePlatform;

// Counts its Actions.
class CountingItem final : public NSMenuItemMBS {
  public:
    int actions = 0;
    std::function<void()> onAction;

  protected:
    void Event_Action() override {
        ++actions;
        if (onAction) {
            onAction();
        }
    }
};

TEST(CFStringMBS, GivesTheSameTextBack) {
    for (const std::string text : {"", "Keyhop 1.0", "Grüße – 日本語 🙂"}) {
        EXPECT_EQ(static_cast<std::string>(NewCFStringMBS(text)), text);
    }
    // Malformed UTF-8 comes back readable rather than as broken bytes.
    EXPECT_EQ(static_cast<std::string>(NewCFStringMBS("a\xff")), "a\xef\xbf\xbd");
}

TEST(NSMenuItemMBS, ActionComesFromTheEventLoopOnlyForAnEnabledEntry) {
    FakePlatform platform;
    const auto item = NSMenuItemMBS::New<CountingItem>();
    ASSERT_TRUE(item);
    item->CreateMenuItem("Open", "");
    item->setTag(42);
    item->setEnabled(true);
    EXPECT_EQ(item->tag(), 42);
    EXPECT_TRUE(item->Enabled());

    item->entry().trigger();
    EXPECT_EQ(item->actions, 0);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(item->actions, 1);

    item->setEnabled(false);
    item->entry().trigger();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(item->actions, 1);
}

TEST(NSMenuItemMBS, AnEntryLetGoOfBeforeItsActionRunsNeverRaisesIt) {
    FakePlatform platform;
    int actions = 0;
    auto item = NSMenuItemMBS::New<CountingItem>();
    item->onAction = [&actions] { ++actions; };
    item->entry().trigger();
    item.reset();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(actions, 0);
}

TEST(NSMenuItemMBS, AnActionMayLetGoOfItsOwnEntry) {
    FakePlatform platform;
    auto item = NSMenuItemMBS::New<CountingItem>();
    CountingItem* raw = item.get();
    raw->onAction = [&item] { item.reset(); };
    raw->entry().trigger();
    QCoreApplication::sendPostedEvents();
    EXPECT_FALSE(item);
}

TEST(NSMenuItemMBS, TitlesShowAsGivenAndSeparatorsAreLines) {
    FakePlatform platform;
    const auto item = NSMenuItemMBS::New<CountingItem>();
    item->CreateMenuItem("Tom & Jerry", "");
    EXPECT_EQ(item->entry().text().toStdString(), "Tom && Jerry");
    EXPECT_TRUE(item->entry().shortcut().isEmpty());
    item->CreateSeparator();
    EXPECT_TRUE(item->entry().isSeparator());
}

TEST(NSMenuMBS, ShowsEntriesInTheOrderAddedAndKeepsThemAlive) {
    FakePlatform platform;
    NSMenuMBS menu("");
    ASSERT_TRUE(menu.CreateMenu(""));
    std::weak_ptr<CountingItem> watched;
    for (const char* title : {"One", "Two"}) {
        auto item = NSMenuItemMBS::New<CountingItem>();
        item->CreateMenuItem(title, "");
        watched = item;
        menu.addItem(item);
    }
    EXPECT_FALSE(watched.expired());
    ASSERT_EQ(menu.menu()->actions().size(), 2);
    EXPECT_EQ(menu.menu()->actions()[0]->text().toStdString(), "One");
    EXPECT_EQ(menu.menu()->actions()[1]->text().toStdString(), "Two");

    platform.menuFails = true;
    EXPECT_FALSE(NSMenuMBS("").CreateMenu(""));
}

TEST(NSStatusItemMBS, IsPlacedInTheTrayAndShowsItsImageAndMenu) {
    FakePlatform platform;
    const auto item = NSStatusItemMBS::New();
    ASSERT_TRUE(item);
    EXPECT_TRUE(item->Available());
    EXPECT_TRUE(item->CreateMenu());
    EXPECT_TRUE(platform.trayIconShown);
    // Before an image is set the item holds its place with a blank icon.
    EXPECT_FALSE(platform.trayIcon->icon().isNull());

    const auto picture = framework::Picture::New(18, 18, 32);
    item->setImage(std::make_shared<NSImageMBS>(*picture));
    EXPECT_FALSE(platform.trayIcon->icon().isNull());

    auto first = std::make_shared<NSMenuMBS>("");
    ASSERT_TRUE(first->CreateMenu(""));
    std::weak_ptr<NSMenuMBS> firstWatched = first;
    item->setMenu(std::move(first));
    auto second = std::make_shared<NSMenuMBS>("");
    ASSERT_TRUE(second->CreateMenu(""));
    QMenu* secondMenu = second->menu();
    item->setMenu(std::move(second));
    EXPECT_EQ(platform.trayIcon->contextMenu(), secondMenu);
    EXPECT_TRUE(firstWatched.expired());

    // A plain click opens the menu, as the context click does.
    emit platform.trayIcon->activated(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(secondMenu->isVisible());
    secondMenu->hide();
}

} // namespace
