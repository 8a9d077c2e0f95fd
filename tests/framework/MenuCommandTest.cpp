// Menu items in memory and the commands they carry: bound handlers first,
// then the standard edit commands on the focused text field.

#include "framework/Application.h"
#include "framework/MenuItem.h"
#include "framework/RuntimeException.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>

namespace {

using framework::MenuItem;

TEST(MenuItem, ChildFindsTheFirstItemOfThatName) {
    MenuItem bar;
    auto& edit = bar.Append(std::make_unique<MenuItem>());
    edit.setName("Edit");
    auto& help = bar.Append(std::make_unique<MenuItem>());
    help.setName("Help");
    bar.Append(std::make_unique<MenuItem>()).setName("Help");
    EXPECT_EQ(bar.Child("Edit"), &edit);
    EXPECT_EQ(bar.Child("Help"), &help);
    EXPECT_EQ(bar.Child("Window"), nullptr);
    EXPECT_EQ(bar.children().size(), 3u);
}

class CommandApplication final : public framework::Application {
  public:
    int reports = 0;
    bool Event_UnhandledException(const framework::RuntimeException*) override {
        ++reports;
        return true;
    }
};

class MenuCommandTest : public testing::Test {
  protected:
    void SetUp() override {
        framework::Application::registerAppObject(std::make_unique<CommandApplication>());
        field_.setText("hop over");
        field_.show();
        field_.activateWindow();
        field_.setFocus();
        QApplication::setActiveWindow(&field_);
    }
    void TearDown() override { framework::Application::releaseAppObject(); }
    CommandApplication& application() {
        return static_cast<CommandApplication&>(*framework::Application::current());
    }

    QLineEdit field_;
};

TEST_F(MenuCommandTest, EditCommandsActOnTheFocusedTextField) {
    ASSERT_EQ(QApplication::focusWidget(), &field_);
    EXPECT_TRUE(application().canHandleMenuCommand("EditCut"));
    field_.setSelection(0, 4);
    EXPECT_TRUE(application().handleMenuCommand("EditCut"));
    EXPECT_EQ(field_.text().toStdString(), "over");
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "hop ");
    field_.setCursorPosition(0);
    EXPECT_TRUE(application().handleMenuCommand("EditPaste"));
    EXPECT_EQ(field_.text().toStdString(), "hop over");
    field_.setSelection(4, 4);
    EXPECT_TRUE(application().handleMenuCommand("EditCopy"));
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "over");
    // Clear takes the selection away and nothing else.
    EXPECT_TRUE(application().handleMenuCommand("EditClear"));
    EXPECT_EQ(field_.text().toStdString(), "hop ");
    field_.setCursorPosition(0);
    EXPECT_TRUE(application().handleMenuCommand("EditClear"));
    EXPECT_EQ(field_.text().toStdString(), "hop ");
    EXPECT_FALSE(application().handleMenuCommand("EditUndo"));
}

TEST_F(MenuCommandTest, ABoundHandlerComesFirstAndFalseLetsTheFrameworkAct) {
    int calls = 0;
    application().AddMenuHandler("EditCopy", [&calls] {
        ++calls;
        return true;
    });
    application().AddMenuHandler("EditCut", [&calls] {
        ++calls;
        return false;
    });
    field_.selectAll();
    EXPECT_TRUE(application().handleMenuCommand("EditCopy"));
    EXPECT_EQ(field_.text().toStdString(), "hop over");
    EXPECT_TRUE(application().handleMenuCommand("EditCut"));
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(field_.text().toStdString(), "");
}

TEST_F(MenuCommandTest, AHandlerThatThrowsIsReportedAndCountsAsNotHandled) {
    application().AddMenuHandler("HelpWebsite",
                                 []() -> bool { throw framework::RuntimeException(1, "x"); });
    EXPECT_FALSE(application().handleMenuCommand("HelpWebsite"));
    EXPECT_EQ(application().reports, 1);
}

} // namespace
