// The list window and the editor as the user drives them: the list's order,
// the editor's answers, the choosers and what reaches the shortcut table.

#include "windows/MainWindow.h"
#include "app/App.h"
#include "framework/Listbox.h"
#include "framework/PopupMenu.h"
#include "framework/System.h"
#include "preferences/PreferencesModule.h"
#include "support/AppSession.h"
#include "support/ConfigHome.h"
#include "support/FakePlatform.h"
#include "support/TranslationFolder.h"
#include "windows/EditionWindow.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <cstdlib>
#include <functional>

namespace {

using namespace keyhop;
using Row = ShortcutTable::Row;
using Texts = std::vector<std::string>;
namespace P = PreferencesModule;

class MainWindowTest : public testing::Test {
  protected:
    // A new window on a table of those rows.
    static MainWindow& open(const std::vector<Row>& rows) {
        table().resize(static_cast<int>(rows.size()) - 1);
        for (int r = 0; r <= table().lastRow(); ++r) {
            for (int c = 0; c < ShortcutTable::columnCount; ++c) {
                table().cell(r, c) = rows[r][c];
            }
        }
        return MainWindow::get();
    }
    static ShortcutTable& table() { return *P::shortcutsList; }
    static framework::Listbox& list() {
        return *MainWindow::get().findControl<framework::Listbox>("ShortcutsListBox");
    }
    static Texts keys() {
        Texts keys;
        for (int r = 0; r < list().ListCount(); ++r) {
            keys.push_back(list().Cell(r, 0));
        }
        return keys;
    }
    static void press(const framework::ControlOwner& owner, const std::string& name) {
        static_cast<QAbstractButton&>(owner.findControl<framework::Control>(name)->widget())
            .click();
    }
    static bool enabled(const char* button) {
        return MainWindow::get().findControl<framework::Control>(button)->Enabled();
    }
    // What the user does in the editor that the next action brings up.
    void inEditor(std::function<void(EditionWindow&)> act) {
        QTimer::singleShot(0, pending.get(), [act] { act(EditionWindow::get()); });
    }
    static void setKey(EditionWindow& editor, int index) {
        editor.findControl<framework::PopupMenu>("FunctionKeyPopupMenu")->setListIndex(index);
    }

    test::FakePlatform platform;
    test::ConfigHome home;
    const test::AppSession session;
    std::unique_ptr<QObject> pending = std::make_unique<QObject>();
};

TEST_F(MainWindowTest, NewStartsEmptyAndSortsByKeyNumberAnswerOkOrCancel) {
    open({{"F10", "", "", "", "", "ten", "/ten"},
          {"F5", "X", "", "", "", "shift five", "/a"},
          {"F2", "", "", "", "", "two", "/two"},
          {"F5", "", "", "", "X", "command five", "/b"}});
    EXPECT_EQ(keys(), (Texts{"F2", "F5", "F5", "F10"}));
    EXPECT_FALSE(enabled("ModifyBevelButton") || enabled("RemoveBevelButton"));
    // Sorted the other way by the user, with a row selected.
    list().setColumnSortDirection(0, -1);
    list().PressHeader(0);
    list().setListIndex(1);
    inEditor([](EditionWindow& editor) {
        EXPECT_EQ(editor.values(), (Row{"F1", "", "", "", "", "", ""}));
        press(editor, "CancelPushButton");
    });
    press(MainWindow::get(), "NewBevelButton");
    EXPECT_EQ(keys(), (Texts{"F2", "F5", "F5", "F10"}));
    EXPECT_EQ(table().cell(3, 5), "ten");

    // Return and Escape in the open key list are the list's own; then
    // Return presses Ok.
    inEditor([](EditionWindow& editor) {
        auto& popup = static_cast<QComboBox&>(
            editor.findControl<framework::PopupMenu>("FunctionKeyPopupMenu")->widget());
        ASSERT_TRUE(QTest::qWaitForWindowActive(&editor.widget()));
        popup.showPopup();
        QTest::keyClick(popup.view(), Qt::Key_Down);
        QTest::keyClick(popup.view(), Qt::Key_Down);
        QTest::keyClick(popup.view(), Qt::Key_Return);
        popup.showPopup();
        QTest::keyClick(popup.view(), Qt::Key_Escape);
        EXPECT_TRUE(editor.Visible());
        EXPECT_FALSE(popup.view()->isVisible());
        QTest::keyClick(&popup, Qt::Key_Return);
    });
    press(MainWindow::get(), "NewBevelButton");
    EXPECT_EQ(keys(), (Texts{"F2", "F3", "F5", "F5", "F10"}));
    EXPECT_EQ(table().row(1), (Row{"F3", "", "", "", "", "", ""}));
    EXPECT_EQ(list().ListIndex(), -1);
}

TEST_F(MainWindowTest, ModifyStartsFromItsRowWritesThatRowInPlaceAndOnlyOnOk) {
    // Ok and Cancel read alike in this translation.
    test::TranslationFolder translations;
    translations.write("xx", "EditionWindow.OkPushButtonCaption = Fine\n"
                             "EditionWindow.CancelPushButtonCaption = Fine\n");
    ::setenv("LC_ALL", "xx_YY.UTF-8", 1);
    framework::System::reloadTranslations();
    // A Latin-1 name and path, from an older disk, come back byte for byte; the
    // name also runs past Qt's default limit of an edit field.
    const std::string name = "caf\xE9" + std::string(40000, 'n');
    const Row three{"F3", "X", "", "X", "", name, "/caf\xE9"};
    open({three, {"F5", "", "", "", "", "five", "/odd"}, {"Fx", "", "X", "", "", "odd", "/odd"}});
    ASSERT_EQ(keys(), (Texts{"Fx", "F3", "F5"}));
    // Cancel, and a close by the window manager, change nothing.
    const std::pair<int, Row> prefills[] = {{0, {"F1", "", "X", "", "", "odd", "/odd"}},
                                            {1, three}};
    for (const auto& [row, expected] : prefills) {
        list().setListIndex(row);
        inEditor([&, row = row](EditionWindow& editor) {
            EXPECT_EQ(editor.values(), expected);
            setKey(editor, 8);
            row == 0 ? void(editor.widget().close()) : press(editor, "CancelPushButton");
        });
        list().DoubleClick();
    }
    EXPECT_EQ(keys(), (Texts{"Fx", "F3", "F5"}));
    // Meanwhile the key watcher shows a missing item's row.
    inEditor([](EditionWindow& editor) {
        setKey(editor, 11);
        MainWindow::get().showAndSelectRowWithAbsolutePath("/odd");
        press(editor, "OkPushButton");
    });
    press(MainWindow::get(), "ModifyBevelButton");
    EXPECT_EQ(keys(), (Texts{"Fx", "F12", "F5"}));
    EXPECT_EQ(list().ListIndex(), 0);
    EXPECT_EQ(table().row(1), (Row{"F12", "X", "", "X", "", name, "/caf\xE9"}));
    // A double click on no row, below the last, opens nothing.
    list().setListIndex(-1);
    inEditor([](EditionWindow& editor) {
        ADD_FAILURE() << "an editor opened";
        press(editor, "CancelPushButton");
    });
    list().DoubleClick();
}

TEST_F(MainWindowTest, ChoosersKeepTheLastStorableItemThenRemoveAndCloseByTheWindowManager) {
    const std::string root = home.root().string();
    for (const char* name : {"app", "bad\nname", " lead", "tail ", "docs"}) {
        std::filesystem::create_directories(home.root() / name);
    }
    const std::string file = "SelectFileBevelButton", noFile = "You did not select any file.";
    const struct {
        std::string button;
        std::optional<std::string> chosen;
        std::string message, name;
    } steps[] = {
        {file, root + "/app", "The open dialog window could not be opened.", "four"},
        {file, std::nullopt, noFile, "four"},
        {file, root + "/app", "", "app"},
        {"SelectFolderBevelButton", root + "/docs", "", "docs"},
        {file, root + "/bad\nname", noFile, "docs"},
        {file, root + "/ lead", noFile, "docs"},
        {"SelectFolderBevelButton", root + "/tail ", "You did not select any folder.", "docs"}};
    open({{"F4", "", "", "", "", "four", "/four"}});
    list().setListIndex(0);
    inEditor([&](EditionWindow& editor) {
        for (const auto& step : steps) {
            platform.log.clear();
            platform.fileDialogs = &step != &steps[0]; // the first finds none
            platform.chosenPath = step.chosen;
            press(editor, step.button);
            EXPECT_EQ(platform.messages(), step.message.empty() ? Texts{} : Texts{step.message});
            EXPECT_EQ(editor.fileName_, step.name) << step.message;
        }
        press(editor, "OkPushButton");
    });
    press(MainWindow::get(), "ModifyBevelButton");
    EXPECT_EQ(table().row(0), (Row{"F4", "", "", "", "", "docs", root + "/docs"}));
    EXPECT_THAT(platform.log, testing::Contains("chooseFolder:" + std::string(getenv("HOME"))));
    MainWindow& window = MainWindow::get();
    window.Show();
    press(window, "RemoveBevelButton");
    EXPECT_FALSE(enabled("ModifyBevelButton") || enabled("RemoveBevelButton"));
    EXPECT_EQ(table().lastRow(), -1);
    // Rows behind the window's back, in the table and the status menu.
    table().resize(2);
    app().updateStatusItem();
    const std::size_t stale = app().statusMenuItems().size();
    window.widget().close();
    EXPECT_EQ(table().lastRow(), -1);
    EXPECT_EQ(app().statusMenuItems().size(), stale - 3);
    EXPECT_FALSE(window.Visible());
}

} // namespace
