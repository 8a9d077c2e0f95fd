// The shortcut list window. The list is the working copy of the shortcut
// table: every action copies it back whole, so the key watcher follows at
// once, while the status menu is rebuilt only at Ok.

#include "windows/MainWindow.h"

#include "app/App.h"
#include "framework/BevelButton.h"
#include "framework/GroupBox.h"
#include "framework/Listbox.h"
#include "framework/PushButton.h"
#include "framework/System.h"
#include "framework/Text.h"
#include "plugin/ApplicationExtensions.h"
#include "preferences/PreferencesModule.h"
#include "windows/AddToLoginItemsContainerControl.h"
#include "windows/CheckForUpdateContainerControl.h"
#include "windows/EditionWindow.h"
#include "windows/ResetPreferencesContainerControl.h"

namespace keyhop {

namespace {

using framework::Listbox;

constexpr int pathColumn = 6;

framework::WindowRecord record() {
    framework::WindowRecord record;
    record.width = 460;
    record.height = 320;
    record.minWidth = 460;
    record.minHeight = 320;
    record.frame = framework::WindowRecord::FrameDocument;
    record.closeButton = false;
    record.minimizeButton = true;
    record.maximizeButton = true;
    record.resizeable = true;
    return record;
}

std::string text(const std::string& name, const std::string& english) {
    return framework::System::GetLocalizedString("MainWindow." + name, english);
}

// A bevel button inside the group box, kept at the left and bottom edges.
framework::BevelButton& addBevelButton(framework::ControlOwner& owner, const std::string& name,
                                       const std::string& caption, int left, int width) {
    auto& button = owner.addControl<framework::BevelButton>(name);
    button.setCaption(caption);
    button.setBounds(left, 170, width, 20);
    button.setLocks(true, false, false, true);
    return button;
}

// The number after the "F" of a function key's name; 0 when there is none.
double functionKeyNumber(const std::string& name) {
    return framework::CDbl(framework::Mid(name, 2));
}

} // namespace

MainWindow::MainWindow() : Window(record()) {
    auto& groupBox = addControl<framework::GroupBox>("ShortcutsGroupBox");
    groupBox.setCaption(ShortcutsGroupBoxCaption());
    groupBox.setBounds(10, 10, 440, 190);
    groupBox.setLocks(true, true, true, true);

    auto& list = addControl<Listbox>("ShortcutsListBox");
    list.setBounds(20, 30, 420, 130);
    list.setLocks(true, true, true, true);
    list.setColumnCount(ShortcutTable::columnCount);
    list.setColumnWidths("40,40,40,40,40,,0");
    list.setHasHeading(true);
    list.Open = [this] { ShortcutsListBox_Open(); };
    list.Change = [this] { ShortcutsListBox_Change(); };
    list.CompareRows = [this](int row1, int row2, int column, int& result) {
        return ShortcutsListBox_CompareRows(row1, row2, column, result);
    };
    list.DoubleClick = [this] { ShortcutsListBox_DoubleClick(); };
    shortcutsListBox_ = &list;

    addBevelButton(*this, "NewBevelButton", NewBevelButtonCaption(), 20, 120).Action = [this] {
        NewBevelButton_Action();
    };
    auto& modify = addBevelButton(*this, "ModifyBevelButton", ModifyBevelButtonCaption(), 150, 140);
    modify.setEnabled(false);
    modify.Action = [this] { ModifyBevelButton_Action(); };
    auto& remove = addBevelButton(*this, "RemoveBevelButton", RemoveBevelButtonCaption(), 300, 140);
    remove.setEnabled(false);
    remove.Action = [this] { RemoveBevelButton_Action(); };

    auto& login =
        addControl<AddToLoginItemsContainerControl>("MainAddToLoginItemsContainerControl");
    login.setBounds(10, 210, 440, 30);
    login.setLocks(true, false, true, true);
    auto& update = addControl<CheckForUpdateContainerControl>("MainCheckForUpdateContainerControl");
    update.setBounds(10, 250, 440, 20);
    update.setLocks(true, false, true, true);
    auto& reset =
        addControl<ResetPreferencesContainerControl>("MainResetPreferencesContainerControl");
    reset.setBounds(10, 280, 380, 30);
    reset.setLocks(true, false, true, true);

    auto& ok = addControl<framework::PushButton>("OkPushButton");
    ok.setCaption(OkPushButtonCaption());
    ok.setBounds(400, 290, 50, 20);
    ok.setLocks(false, false, true, true);
    ok.setDefault(true);
    ok.setCancel(false);
    ok.Action = [this] { OkPushButton_Action(); };
}

MainWindow& MainWindow::get() {
    return instance<MainWindow>();
}

void MainWindow::ShortcutsListBox_Open() {
    Listbox& list = *shortcutsListBox_;
    for (int column = 0; column <= 4; ++column) {
        list.setColumnAlignment(column, Listbox::AlignCenter);
    }
    list.setHeading(0, ShortcutsListBoxHeading0Message());
    list.setHeading(1, ShortcutsListBoxHeading1Message());
    list.setHeading(2, ShortcutsListBoxHeading2Message());
    list.setHeading(3, ShortcutsListBoxHeading3Message());
    list.setHeading(4, ShortcutsListBoxHeading4Message());
    list.setHeading(5, ShortcutsListBoxHeading5Message());

    const ShortcutTable& table = *PreferencesModule::shortcutsList;
    for (int row = 0; row <= table.lastRow(); ++row) {
        list.AddRow(table.cell(row, 0));
        for (int column = 1; column < ShortcutTable::columnCount; ++column) {
            list.setCell(row, column, table.cell(row, column));
        }
    }
    sortShortcutsListBoxFirstColumn();
}

void MainWindow::ShortcutsListBox_Change() {
    const bool selected = shortcutsListBox_->ListIndex() >= 0;
    findControl<framework::BevelButton>("ModifyBevelButton")->setEnabled(selected);
    findControl<framework::BevelButton>("RemoveBevelButton")->setEnabled(selected);
}

bool MainWindow::ShortcutsListBox_CompareRows(int row1, int row2, int column, int& result) {
    if (column != 0) {
        return false;
    }
    const double key1 = functionKeyNumber(shortcutsListBox_->Cell(row1, 0));
    const double key2 = functionKeyNumber(shortcutsListBox_->Cell(row2, 0));
    result = (key1 > key2) - (key1 < key2);
    return true;
}

void MainWindow::ShortcutsListBox_DoubleClick() {
    if (shortcutsListBox_->ListIndex() >= 0) {
        ModifyBevelButton_Action();
    }
}

void MainWindow::NewBevelButton_Action() {
    Listbox& list = *shortcutsListBox_;
    list.setListIndex(-1);
    if (const auto values = runEditor()) {
        list.AddRow((*values)[0]);
        const int row = list.LastIndex();
        for (int column = 1; column < ShortcutTable::columnCount; ++column) {
            list.setCell(row, column, (*values)[column]);
        }
    }
    sortShortcutsListBoxFirstColumn();
    saveShortcutsListBox();
}

void MainWindow::ModifyBevelButton_Action() {
    // The row is taken now: while the editor is up, the key watcher may
    // select another one to show a missing item.
    const int row = shortcutsListBox_->ListIndex();
    if (row < 0) {
        return;
    }
    if (const auto values = runEditor()) {
        for (int column = 0; column < ShortcutTable::columnCount; ++column) {
            shortcutsListBox_->setCell(row, column, (*values)[column]);
        }
    }
    saveShortcutsListBox();
}

void MainWindow::RemoveBevelButton_Action() {
    Listbox& list = *shortcutsListBox_;
    const int row = list.ListIndex();
    if (row >= 0) {
        list.RemoveRow(row);
        list.setListIndex(-1);
    }
    saveShortcutsListBox();
}

void MainWindow::OkPushButton_Action() {
    saveShortcutsListBox();
    app().updateStatusItem();
    Close();
}

std::optional<ShortcutTable::Row> MainWindow::runEditor() {
    EditionWindow& editor = EditionWindow::get();
    editing_ = true;
    editor.ShowModalWithin(*this);
    editing_ = false;
    std::optional<ShortcutTable::Row> values;
    if (editor.endedWithOk()) {
        values = editor.values();
    }
    editor.Close();
    return values;
}

void MainWindow::saveShortcutsListBox() {
    const Listbox& list = *shortcutsListBox_;
    ShortcutTable& table = *PreferencesModule::shortcutsList;
    table.resize(-1);
    table.resize(list.ListCount() - 1);
    for (int row = 0; row <= table.lastRow(); ++row) {
        for (int column = 0; column < ShortcutTable::columnCount; ++column) {
            table.cell(row, column) = list.Cell(row, column);
        }
    }
}

void MainWindow::sortShortcutsListBoxFirstColumn() {
    shortcutsListBox_->setColumnSortDirection(0, 1);
    shortcutsListBox_->PressHeader(0);
}

void MainWindow::showAndSelectRowWithAbsolutePath(const std::string& absolutePath) {
    Show();
    for (int row = 0; row < shortcutsListBox_->ListCount(); ++row) {
        if (shortcutsListBox_->Cell(row, pathColumn) == absolutePath) {
            shortcutsListBox_->setSelected(row, true);
            return;
        }
    }
}

void MainWindow::Event_Open() {
    setTitle(plugin::ApplicationNameMBS(app()));
    // Each stored value as it is, no check against the screen; -1 leaves the
    // design value or the window system's placement.
    if (PreferencesModule::mainWindowLeft != -1) {
        setLeft(PreferencesModule::mainWindowLeft);
    }
    if (PreferencesModule::mainWindowTop != -1) {
        setTop(PreferencesModule::mainWindowTop);
    }
    if (PreferencesModule::mainWindowWidth != -1) {
        setWidth(PreferencesModule::mainWindowWidth);
    }
    if (PreferencesModule::mainWindowHeight != -1) {
        setHeight(PreferencesModule::mainWindowHeight);
    }
}

void MainWindow::Event_Moved() {
    PreferencesModule::mainWindowLeft = Left();
    PreferencesModule::mainWindowTop = Top();
}

void MainWindow::Event_Resized() {
    PreferencesModule::mainWindowWidth = Width();
    PreferencesModule::mainWindowHeight = Height();
}

void MainWindow::Event_Activate() {
    plugin::setFrontmostMBS(app(), true);
}

void MainWindow::Event_MouseEnter() {
    plugin::setFrontmostMBS(app(), true);
}

void MainWindow::Event_CloseRequest() {
    // While the editor is up the user ends it first.
    if (!editing_) {
        OkPushButton_Action();
    }
}

std::string MainWindow::ShortcutsListBoxHeading0Message() {
    return text("ShortcutsListBoxHeading0Message", "F");
}

std::string MainWindow::ShortcutsListBoxHeading1Message() {
    return text("ShortcutsListBoxHeading1Message", "Shift");
}

std::string MainWindow::ShortcutsListBoxHeading2Message() {
    return text("ShortcutsListBoxHeading2Message", "Ctrl");
}

std::string MainWindow::ShortcutsListBoxHeading3Message() {
    return text("ShortcutsListBoxHeading3Message", "Opt");
}

std::string MainWindow::ShortcutsListBoxHeading4Message() {
    return text("ShortcutsListBoxHeading4Message", "Cmd");
}

std::string MainWindow::ShortcutsListBoxHeading5Message() {
    return text("ShortcutsListBoxHeading5Message", "Application, file or folder to open");
}

std::string MainWindow::ShortcutsGroupBoxCaption() {
    return text("ShortcutsGroupBoxCaption", "Shortcuts");
}

std::string MainWindow::OkPushButtonCaption() {
    return text("OkPushButtonCaption", "Ok");
}

std::string MainWindow::ModifyBevelButtonCaption() {
    return text("ModifyBevelButtonCaption", "Modify shortcut");
}

std::string MainWindow::NewBevelButtonCaption() {
    return text("NewBevelButtonCaption", "New shortcut");
}

std::string MainWindow::RemoveBevelButtonCaption() {
    return text("RemoveBevelButtonCaption", "Remove shortcut");
}

} // namespace keyhop
