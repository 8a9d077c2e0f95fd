// Menu entries raise Action from the event loop, once the menu is done with
// the click, and only for an entry that is still there.

#include "plugin/NSMenuItemMBS.h"
#include "support/FakePlatform.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>

namespace {

class CountingItem final : public plugin::NSMenuItemMBS {
  public:
    std::function<void()> onAction;

  protected:
    void Event_Action() override { onAction(); }
};

TEST(NSMenuItemMBS, ActionComesFromTheEventLoopAndOnlyForAnEntryStillThere) {
    const keyhop::test::FakePlatform platform;
    int actions = 0;
    auto item = plugin::NSMenuItemMBS::New<CountingItem>();
    // An Action may let go of its own entry.
    item->onAction = [&] {
        ++actions;
        item.reset();
    };
    item->entry().trigger();
    EXPECT_EQ(actions, 0);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(actions, 1);
    EXPECT_FALSE(item);

    // An entry let go of before its Action's turn never raises it.
    item = plugin::NSMenuItemMBS::New<CountingItem>();
    item->onAction = [&] { ++actions; };
    item->entry().trigger();
    item.reset();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(actions, 1);
}

} // namespace
