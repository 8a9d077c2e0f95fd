// The list window and the editor as the user drives them: the list's order,
// the editor's answers and what reaches the shortcut table, the choosers,
// and the stored place and size.

#include "windows/MainWindow.h"
#include "app/App.h"
#include "framework/CheckBox.h"
#include "framework/Listbox.h"
#include "framework/PopupMenu.h"
#include "framework/System.h"
#include "preferences/PreferencesModule.h"
#include "support/ConfigHome.h"
#include "support/FakePlatform.h"
#include "support/TranslationFolder.h"
#include "windows/EditionWindow.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QTimer>
#include <QWidget>

#include <cstdlib>
#include <functional>

namespace {

using namespace keyhop;
using framework::Listbox;
using Row = ShortcutTable::Row;
using Texts = std::vector<std::string>;

class MainWindowTest : public testing::Test {
  protected:
    void SetUp() override {
        framework::Application::registerAppObject(std::make_unique<App>());
        PreferencesModule::shortcutsList = std::make_unique<ShortcutTable>();
    }
    void TearDown() override {
        pending.reset();
        framework::Window::releaseAll();
        framework::Application::releaseAppObject();
        PreferencesModule::shortcutsList.reset();
        PreferencesModule::mainWindowLeft = PreferencesModule::mainWindowTop = -1;
        PreferencesModule::mainWindowWidth = PreferencesModule::mainWindowHeight = -1;
    }

    // A new window on a table of those rows.
    MainWindow& open(const std::vector<Row>& rows) {
        ShortcutTable& table = *PreferencesModule::shortcutsList;
        table.resize(static_cast<int>(rows.size()) - 1);
        for (int r = 0; r <= table.lastRow(); ++r) {
            for (int c = 0; c < ShortcutTable::columnCount; ++c) {
                table.cell(r, c) = rows[r][c];
            }
        }
        return MainWindow::get();
    }
    static Listbox& list() { return *MainWindow::get().findControl<Listbox>("ShortcutsListBox"); }
    static Texts keys() {
        Texts keys;
        for (int r = 0; r < list().ListCount(); ++r) {
            keys.push_back(list().Cell(r, 0));
        }
        return keys;
    }
    static std::vector<Row> table() {
        std::vector<Row> rows;
        for (int r = 0; r <= PreferencesModule::shortcutsList->lastRow(); ++r) {
            rows.push_back(PreferencesModule::shortcutsList->row(r));
        }
        return rows;
    }
    static void press(const framework::ControlOwner& owner, const std::string& name) {
        static_cast<QAbstractButton&>(owner.findControl<framework::Control>(name)->widget())
            .click();
    }
    static bool enabled(const std::string& button) {
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
    Row prefill;
    inEditor([&](EditionWindow& editor) {
        prefill = editor.values();
        press(editor, "CancelPushButton");
    });
    press(MainWindow::get(), "NewBevelButton");
    EXPECT_EQ(prefill, (Row{"F1", "", "", "", "", "", ""}));
    EXPECT_EQ(keys(), (Texts{"F2", "F5", "F5", "F10"}));
    EXPECT_EQ(table()[3][5], "ten");

    inEditor([](EditionWindow& editor) {
        setKey(editor, 2);
        editor.findControl<framework::CheckBox>("OptionCheckBox")->setValue(true);
        press(editor, "OkPushButton");
    });
    press(MainWindow::get(), "NewBevelButton");
    EXPECT_EQ(keys(), (Texts{"F2", "F3", "F5", "F5", "F10"}));
    EXPECT_EQ(table()[1], (Row{"F3", "", "", "X", "", "", ""}));
    EXPECT_EQ(list().ListIndex(), -1);
}

TEST_F(MainWindowTest, ModifyStartsFromItsRowWritesThatRowInPlaceAndOnlyOnOk) {
    // Ok and Cancel read alike in this translation.
    test::TranslationFolder translations;
    translations.write("xx", "EditionWindow.OkPushButtonCaption = Fine\n"
                             "EditionWindow.CancelPushButtonCaption = Fine\n");
    ::setenv("LC_ALL", "xx_YY.UTF-8", 1);
    framework::System::reloadTranslations();
    const Row three{"F3", "X", "", "X", "", "three", "/three"};
    open({three, {"F5", "", "", "", "", "five", "/odd"}, {"Fx", "", "X", "", "", "odd", "/odd"}});
    ASSERT_EQ(keys(), (Texts{"Fx", "F3", "F5"}));
    // A double click on no row opens nothing.
    bool opened = false;
    inEditor([&](EditionWindow& editor) {
        opened = true;
        press(editor, "CancelPushButton");
    });
    list().DoubleClick();
    EXPECT_FALSE(opened);
    pending = std::make_unique<QObject>();

    // Cancel, and a close by the window manager, change nothing.
    const std::pair<int, Row> prefills[] = {{0, {"F1", "", "X", "", "", "odd", "/odd"}},
                                            {1, three}};
    for (const auto& [row, expected] : prefills) {
        list().setListIndex(row);
        inEditor([&, row = row](EditionWindow& editor) {
            EXPECT_EQ(editor.values(), expected);
            setKey(editor, 8);
            if (row == 0) {
                editor.widget().close();
            } else {
                press(editor, "CancelPushButton");
            }
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
    EXPECT_EQ(table()[1], (Row{"F12", "X", "", "X", "", "three", "/three"}));
}

TEST_F(MainWindowTest, ChoosersKeepTheLastItemTheFileCanHold) {
    const std::string root = home.root().string();
    for (const char* name : {"app", "bad\nname", " lead"}) {
        test::writeFile(home.root() / name, "");
    }
    std::filesystem::create_directories(home.root() / "tail ");
    std::filesystem::create_directories(home.root() / "docs");
    struct Step {
        const char* button;
        bool dialogs;
        std::optional<std::string> chosen;
        std::string message;
        std::string name;
    };
    const std::string noFile = "You did not select any file.";
    const Step steps[] = {{"SelectFileBevelButton", false, root + "/app",
                           "The open dialog window could not be opened.", "four"},
                          {"SelectFolderBevelButton", false, root + "/docs",
                           "The select folder dialog window could not be opened.", "four"},
                          {"SelectFileBevelButton", true, std::nullopt, noFile, "four"},
                          {"SelectFileBevelButton", true, root + "/app", "", "app"},
                          {"SelectFolderBevelButton", true, root + "/docs", "", "docs"},
                          {"SelectFileBevelButton", true, root + "/gone", noFile, "docs"},
                          {"SelectFileBevelButton", true, root + "/bad\nname", noFile, "docs"},
                          {"SelectFileBevelButton", true, root + "/ lead", noFile, "docs"},
                          {"SelectFolderBevelButton", true, root + "/tail ",
                           "You did not select any folder.", "docs"}};
    open({{"F4", "", "", "", "", "four", "/four"}});
    list().setListIndex(0);
    inEditor([&](EditionWindow& editor) {
        for (const Step& step : steps) {
            platform.log.clear();
            platform.fileDialogs = step.dialogs;
            platform.chosenPath = step.chosen;
            press(editor, step.button);
            EXPECT_EQ(platform.messages(), step.message.empty() ? Texts{} : Texts{step.message});
            EXPECT_EQ(editor.fileName_, step.name) << step.message;
        }
        press(editor, "OkPushButton");
    });
    press(MainWindow::get(), "ModifyBevelButton");
    EXPECT_EQ(table()[0], (Row{"F4", "", "", "", "", "docs", root + "/docs"}));
    EXPECT_THAT(platform.log,
                testing::Contains("chooseFolder:" + std::string(std::getenv("HOME"))));
}

TEST_F(MainWindowTest, RemoveThenTheWindowManagersCloseSaveAndRebuildTheMenu) {
    MainWindow& window = open({{"F4", "", "", "", "", "four", "/four"}});
    window.Show();
    list().setListIndex(0);
    ASSERT_TRUE(enabled("ModifyBevelButton") && enabled("RemoveBevelButton"));
    press(window, "RemoveBevelButton");
    EXPECT_FALSE(enabled("ModifyBevelButton") || enabled("RemoveBevelButton"));
    EXPECT_TRUE(table().empty());
    // Rows behind the window's back, in the table and the status menu.
    PreferencesModule::shortcutsList->resize(2);
    app().updateStatusItem();
    const std::size_t stale = app().statusMenuItems().size();
    window.widget().close();
    EXPECT_TRUE(table().empty());
    EXPECT_EQ(app().statusMenuItems().size(), stale - 3);
    EXPECT_FALSE(window.Visible());
}

TEST_F(MainWindowTest, StoredPlaceAndSizeApplyWhereSetAndFollowTheWindow) {
    using Geometry = std::array<int, 4>;
    namespace P = PreferencesModule;
    const auto geometry = [](const MainWindow& window) {
        return Geometry{window.Left(), window.Top(), window.Width(), window.Height()};
    };
    // -1 leaves the design size and the window system's place.
    const std::pair<Geometry, Geometry> cases[] = {{{-1, 200, -1, 400}, {0, 200, 460, 400}},
                                                   {{0, -1, 500, -1}, {0, 0, 500, 320}}};
    for (const auto& [values, expected] : cases) {
        std::tie(P::mainWindowLeft, P::mainWindowTop, P::mainWindowWidth, P::mainWindowHeight) =
            std::tuple_cat(values);
        MainWindow& window = open({});
        EXPECT_EQ(geometry(window), expected);
        window.Close();
    }
}

} // namespace
