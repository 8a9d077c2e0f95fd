// The shortcut editor. Its eight properties follow the controls; the text
// typed into the name field is shown only, never read back.

#include "windows/EditionWindow.h"

#include "app/App.h"
#include "app/FileTypes.h"
#include "framework/BevelButton.h"
#include "framework/CheckBox.h"
#include "framework/EditField.h"
#include "framework/Environment.h"
#include "framework/FolderItem.h"
#include "framework/FolderItemDialog.h"
#include "framework/GroupBox.h"
#include "framework/Listbox.h"
#include "framework/PopupMenu.h"
#include "framework/PushButton.h"
#include "framework/StaticText.h"
#include "framework/System.h"
#include "framework/Text.h"
#include "plugin/ApplicationExtensions.h"
#include "windows/MainWindow.h"

#include <optional>

namespace keyhop {

namespace {

using framework::CheckBox;
using framework::EditField;
using framework::PopupMenu;
using framework::PushButton;

framework::WindowRecord record() {
    framework::WindowRecord record;
    record.width = 460;
    record.height = 190;
    record.minWidth = 460;
    record.minHeight = 190;
    record.maxWidth = 460;
    record.maxHeight = 190;
    record.frame = framework::WindowRecord::FrameSheet;
    record.closeButton = false;
    record.minimizeButton = false;
    record.maximizeButton = false;
    record.resizeable = false;
    return record;
}

std::string text(const std::string& name, const std::string& english) {
    return framework::System::GetLocalizedString("EditionWindow." + name, english);
}

// A cell of the row selected in the list window; nil when none is selected.
std::optional<std::string> selectedCell(int column) {
    const auto* list = MainWindow::get().findControl<framework::Listbox>("ShortcutsListBox");
    if (list == nullptr || list->ListIndex() < 0) {
        return std::nullopt;
    }
    return list->Cell(list->ListIndex(), column);
}

// Where the choosers start: the parent of what the empty path names. Here
// that is the empty name inside the home folder, so they start in the home
// folder.
std::optional<framework::FolderItem> choosersInitialDirectory() {
    const auto item = framework::GetFolderItem(framework::homeFolder() + "/", 0);
    return item ? item->Parent() : std::nullopt;
}

// Whether the preferences file gives the text back as it is: its reader
// splits lines at line feeds and carriage returns and trims blanks at both
// ends. An item that fails this would come back as another item, or as
// lines of their own.
bool survivesPreferencesFile(const std::string& text) {
    return text.find_first_of("\n\r") == std::string::npos && framework::Trim(text) == text;
}

std::string flag(bool checked) {
    return checked ? "X" : "";
}

} // namespace

const EditionWindow::ModifierBox EditionWindow::modifierBoxes[4] = {
    {"ShiftCheckBox", 90, &EditionWindow::ShiftCheckBoxCaption, 1, &EditionWindow::shiftKey_},
    {"ControlCheckBox", 180, &EditionWindow::ControlCheckBoxCaption, 2,
     &EditionWindow::controlKey_},
    {"OptionCheckBox", 270, &EditionWindow::OptionCheckBoxCaption, 3, &EditionWindow::optionKey_},
    {"CommandCheckBox", 360, &EditionWindow::CommandCheckBoxCaption, 4,
     &EditionWindow::commandKey_},
};

EditionWindow::EditionWindow() : Window(record()) {
    auto& keysBox = addControl<framework::GroupBox>("KeysCombinationGroupBox");
    keysBox.setCaption(KeysCombinationGroupBoxCaption());
    keysBox.setBounds(10, 10, 440, 50);

    auto& popup = addControl<PopupMenu>("FunctionKeyPopupMenu");
    popup.setBounds(20, 30, 60, 20);
    for (int key = 1; key <= 19; ++key) {
        popup.AddRow("F" + framework::Str(key));
    }
    popup.setListIndex(0);
    popup.Change = [this] { FunctionKeyPopupMenu_Change(); };
    popup.Open = [this] { FunctionKeyPopupMenu_Open(); };

    for (const ModifierBox& box : modifierBoxes) {
        auto& checkBox = addControl<CheckBox>(box.name);
        checkBox.setCaption(box.caption());
        checkBox.setBounds(box.left, 30, 80, 20);
        checkBox.setValue(false);
        checkBox.Action = [this, &box] { modifierCheckBox_Action(box); };
        checkBox.Open = [this, &box] { modifierCheckBox_Open(box); };
    }

    auto& selectBox = addControl<framework::GroupBox>("SelectGroupBox");
    selectBox.setCaption(SelectGroupBoxCaption());
    selectBox.setBounds(10, 70, 440, 80);

    auto& nameField = addControl<EditField>("FileNameEditField");
    nameField.setBounds(20, 90, 420, 20);
    nameField.setText("");
    nameField.setLimitText(0);
    nameField.Open = [this] { FileNameEditField_Open(); };

    auto& selectFile = addControl<framework::BevelButton>("SelectFileBevelButton");
    selectFile.setCaption(SelectFileBevelButtonCaption());
    selectFile.setBounds(20, 120, 220, 20);
    selectFile.Action = [this] { SelectFileBevelButton_Action(); };

    auto& orText = addControl<framework::StaticText>("OrStaticText");
    orText.setText(OrStaticTextText());
    orText.setBounds(240, 120, 30, 20);
    orText.setTextAlign(framework::StaticText::AlignCenter);
    orText.setTextColor(0x000000);

    auto& selectFolder = addControl<framework::BevelButton>("SelectFolderBevelButton");
    selectFolder.setCaption(SelectFolderBevelButtonCaption());
    selectFolder.setBounds(270, 120, 170, 20);
    selectFolder.Action = [this] { SelectFolderBevelButton_Action(); };

    auto& cancel = addControl<PushButton>("CancelPushButton");
    cancel.setCaption(CancelPushButtonCaption());
    cancel.setBounds(310, 160, 80, 20);
    cancel.setCancel(true);
    cancel.setDefault(false);
    cancel.Action = [this] { CancelPushButton_Action(); };

    auto& ok = addControl<PushButton>("OkPushButton");
    ok.setCaption(OkPushButtonCaption());
    ok.setBounds(400, 160, 50, 20);
    ok.setDefault(true);
    ok.setCancel(false);
    ok.Action = [this] { OkPushButton_Action(); };
}

EditionWindow& EditionWindow::get() {
    return instance<EditionWindow>();
}

ShortcutTable::Row EditionWindow::values() const {
    return {functionKey_, shiftKey_, controlKey_,      optionKey_,
            commandKey_,  fileName_, fileAbsolutePath_};
}

void EditionWindow::FunctionKeyPopupMenu_Change() {
    functionKey_ = findControl<PopupMenu>("FunctionKeyPopupMenu")->Text();
}

void EditionWindow::FunctionKeyPopupMenu_Open() {
    auto& popup = *findControl<PopupMenu>("FunctionKeyPopupMenu");
    popup.setListIndex(0);
    // A key that is none of the items leaves "F1".
    if (const auto key = selectedCell(0)) {
        for (int k = 0; k < popup.ListCount(); ++k) {
            if (popup.List(k) == *key) {
                popup.setListIndex(k);
            }
        }
    }
    functionKey_ = popup.Text();
}

void EditionWindow::modifierCheckBox_Action(const ModifierBox& box) {
    this->*box.property = flag(findControl<CheckBox>(box.name)->Value());
}

void EditionWindow::modifierCheckBox_Open(const ModifierBox& box) {
    const bool checked = selectedCell(box.column) == "X";
    findControl<CheckBox>(box.name)->setValue(checked);
    this->*box.property = flag(checked);
}

void EditionWindow::FileNameEditField_Open() {
    auto& field = *findControl<EditField>("FileNameEditField");
    field.setText(selectedCell(5).value_or(""));
    fileName_ = field.Text();
}

void EditionWindow::Event_Open() {
    fileAbsolutePath_ = selectedCell(6).value_or("");
}

void EditionWindow::Event_Activate() {
    plugin::setFrontmostMBS(app(), true);
}

void EditionWindow::Event_CloseRequest() {
    CancelPushButton_Action();
}

void EditionWindow::SelectFileBevelButton_Action() {
    const auto dialog = framework::OpenDialog::create();
    choose(dialog.get(), "The open dialog window could not be opened.", NoFileSelectedMessage);
}

void EditionWindow::SelectFolderBevelButton_Action() {
    const auto dialog = framework::SelectFolderDialog::create();
    choose(dialog.get(), "The select folder dialog window could not be opened.",
           NoFolderSelectedMessage);
}

void EditionWindow::choose(framework::FolderItemDialog* dialog, const std::string& noDialogMessage,
                           std::string (*nothingChosenMessage)()) {
    if (dialog == nullptr) {
        app().displayMessage(noDialogMessage);
        return;
    }
    dialog->setFilter(FileTypes::All());
    dialog->setInitialDirectory(choosersInitialDirectory());
    MainWindow::get().Show();
    const auto item = dialog->ShowModal();
    if (item && item->Exists() && survivesPreferencesFile(item->AbsolutePath()) &&
        survivesPreferencesFile(item->Name())) {
        fileAbsolutePath_ = item->AbsolutePath();
        fileName_ = item->Name();
        findControl<EditField>("FileNameEditField")->setText(fileName_);
    } else {
        app().displayMessage(nothingChosenMessage());
    }
}

void EditionWindow::CancelPushButton_Action() {
    end("CancelPushButton", false);
}

void EditionWindow::OkPushButton_Action() {
    end("OkPushButton", true);
}

void EditionWindow::end(const std::string& buttonName, bool ok) {
    answer_ = findControl<PushButton>(buttonName)->Caption();
    endedWithOk_ = ok;
    Hide();
}

std::string EditionWindow::KeysCombinationGroupBoxCaption() {
    return text("KeysCombinationGroupBoxCaption", "Keys combination");
}

std::string EditionWindow::ShiftCheckBoxCaption() {
    return text("ShiftCheckBoxCaption", "Shift");
}

std::string EditionWindow::ControlCheckBoxCaption() {
    return text("ControlCheckBoxCaption", "Control");
}

std::string EditionWindow::OptionCheckBoxCaption() {
    return text("OptionCheckBoxCaption", "Option");
}

std::string EditionWindow::CommandCheckBoxCaption() {
    return text("CommandCheckBoxCaption", "Command");
}

std::string EditionWindow::SelectGroupBoxCaption() {
    return text("SelectGroupBoxCaption", "Application, file or folder to open");
}

std::string EditionWindow::SelectFileBevelButtonCaption() {
    return text("SelectFileBevelButtonCaption", "Select application/file");
}

std::string EditionWindow::OrStaticTextText() {
    return text("OrStaticTextText", "or");
}

std::string EditionWindow::SelectFolderBevelButtonCaption() {
    return text("SelectFolderBevelButtonCaption", "Select folder");
}

std::string EditionWindow::CancelPushButtonCaption() {
    return text("CancelPushButtonCaption", "Cancel");
}

std::string EditionWindow::OkPushButtonCaption() {
    return text("OkPushButtonCaption", "Ok");
}

std::string EditionWindow::NoFileSelectedMessage() {
    return text("NoFileSelectedMessage", "You did not select any file.");
}

std::string EditionWindow::NoFolderSelectedMessage() {
    return text("NoFolderSelectedMessage", "You did not select any folder.");
}

} // namespace keyhop
