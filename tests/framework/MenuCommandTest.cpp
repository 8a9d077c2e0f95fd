// Menu commands: the standard edit commands act on the focused text field,
// and a handler that throws is reported.

#include "framework/Application.h"
#include "framework/RuntimeException.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>

namespace {

class CommandApplication final : public framework::Application {
  public:
    int reports = 0;
    bool Event_UnhandledException(const framework::RuntimeException*) override {
        ++reports;
        return true;
    }
};

TEST(MenuCommand, EditCommandsActOnTheFocusedTextFieldAndAThrowingHandlerIsReported) {
    framework::Application::registerAppObject(std::make_unique<CommandApplication>());
    auto& app = static_cast<CommandApplication&>(*framework::Application::current());
    QLineEdit field("hop over");
    field.show();
    field.activateWindow();
    field.setFocus();
    QApplication::setActiveWindow(&field);
    ASSERT_EQ(QApplication::focusWidget(), &field);

    field.setSelection(0, 4);
    EXPECT_TRUE(app.handleMenuCommand("EditCut"));
    EXPECT_EQ(field.text().toStdString(), "over");
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "hop ");
    field.setCursorPosition(0);
    EXPECT_TRUE(app.handleMenuCommand("EditPaste"));
    EXPECT_EQ(field.text().toStdString(), "hop over");
    field.setSelection(4, 4);
    EXPECT_TRUE(app.handleMenuCommand("EditCopy"));
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "over");
    // Clear takes the selection away and nothing else.
    EXPECT_TRUE(app.handleMenuCommand("EditClear"));
    EXPECT_EQ(field.text().toStdString(), "hop ");
    field.setCursorPosition(0);
    EXPECT_TRUE(app.handleMenuCommand("EditClear"));
    EXPECT_EQ(field.text().toStdString(), "hop ");

    app.AddMenuHandler("HelpWebsite", []() -> bool { throw framework::RuntimeException(1, "x"); });
    EXPECT_FALSE(app.handleMenuCommand("HelpWebsite"));
    EXPECT_EQ(app.reports, 1);
    framework::Application::releaseAppObject();
}

} // namespace
