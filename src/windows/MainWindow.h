#pragma once
// The shortcut list window: the shortcuts in a list sorted by function key,
// the buttons that add, modify and remove them through the editor, and the
// three option panes.

#include "framework/Window.h"
#include "preferences/ShortcutTable.h"

#include <optional>
#include <string>

namespace framework {
class Listbox;
}

namespace keyhop {

class MainWindow final : public framework::Window {
  public:
    // The single instance, built hidden on first use.
    static MainWindow& get();

    // Shows the window with the first row of that item selected; a path no
    // row holds leaves the selection as it was.
    void showAndSelectRowWithAbsolutePath(const std::string& absolutePath);

    void Event_Open() override;
    void Event_Moved() override;
    void Event_Resized() override;
    void Event_Activate() override;
    void Event_MouseEnter() override;
    // The window has no close box; a window manager's close is taken as Ok.
    void Event_CloseRequest() override;

    static std::string ShortcutsListBoxHeading0Message();
    static std::string ShortcutsListBoxHeading1Message();
    static std::string ShortcutsListBoxHeading2Message();
    static std::string ShortcutsListBoxHeading3Message();
    static std::string ShortcutsListBoxHeading4Message();
    static std::string ShortcutsListBoxHeading5Message();
    static std::string ShortcutsGroupBoxCaption();
    static std::string OkPushButtonCaption();
    static std::string ModifyBevelButtonCaption();
    static std::string NewBevelButtonCaption();
    static std::string RemoveBevelButtonCaption();

  private:
    friend class framework::Window;
    MainWindow();

    void ShortcutsListBox_Open();
    void ShortcutsListBox_Change();
    bool ShortcutsListBox_CompareRows(int row1, int row2, int column, int& result);
    void ShortcutsListBox_DoubleClick();
    void NewBevelButton_Action();
    void ModifyBevelButton_Action();
    void RemoveBevelButton_Action();
    void OkPushButton_Action();

    // Shows the editor on this window and waits for it; the row it gives
    // when the user ended it with Ok, nil otherwise.
    std::optional<ShortcutTable::Row> runEditor();
    // Copies the whole list into the shortcut table.
    void saveShortcutsListBox();
    void sortShortcutsListBoxFirstColumn();

    framework::Listbox* shortcutsListBox_ = nullptr;
    // While the editor is up; the window stays until it is ended.
    bool editing_ = false;
};

} // namespace keyhop
