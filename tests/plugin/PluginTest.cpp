// Menu entries raise Action from the event loop, once the menu is done with
// the click, and only for an entry that is still there.

#include "plugin/NSMenuItemMBS.h"
#include "support/FakePlatform.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>

namespace {

int actions = 0;

class CountingItem final : public plugin::NSMenuItemMBS {
    void Event_Action() override { ++actions; }
};

TEST(NSMenuItemMBS, ActionComesFromTheEventLoopAndOnlyForAnEntryStillThere) {
    const keyhop::test::FakePlatform platform;
    auto kept = plugin::NSMenuItemMBS::New<CountingItem>();
    auto dropped = plugin::NSMenuItemMBS::New<CountingItem>();
    kept->entry().trigger();
    dropped->entry().trigger();
    dropped.reset();
    EXPECT_EQ(actions, 0);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(actions, 1);
}

} // namespace
