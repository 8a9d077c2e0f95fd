#pragma once
// The shortcut editor: a sheet on the list window in which the user sets one
// shortcut's keys and the item it opens. It validates and stores nothing;
// the list window reads what it holds once it is hidden.

#include "framework/Window.h"
#include "preferences/ShortcutTable.h"

#include <string>

namespace framework {
class FolderItemDialog;
}

namespace keyhop {

class EditionWindow final : public framework::Window {
  public:
    // The single instance, built hidden on first use; it pre-fills itself
    // from the row selected in the list window at that moment.
    static EditionWindow& get();

    // True when the Ok button, not Cancel nor the window manager, ended it:
    // the captions may read alike in a translation.
    bool endedWithOk() const { return endedWithOk_; }
    // The seven properties in the shortcut table's column order.
    ShortcutTable::Row values() const;

    void Event_Open() override;
    void Event_Activate() override;
    // No close box; a window manager's close counts as Cancel.
    void Event_CloseRequest() override;

    static std::string KeysCombinationGroupBoxCaption();
    static std::string ShiftCheckBoxCaption();
    static std::string ControlCheckBoxCaption();
    static std::string OptionCheckBoxCaption();
    static std::string CommandCheckBoxCaption();
    static std::string SelectGroupBoxCaption();
    static std::string SelectFileBevelButtonCaption();
    static std::string OrStaticTextText();
    static std::string SelectFolderBevelButtonCaption();
    static std::string CancelPushButtonCaption();
    static std::string OkPushButtonCaption();
    static std::string NoFileSelectedMessage();
    static std::string NoFolderSelectedMessage();

    std::string optionKey_;
    std::string commandKey_;
    std::string functionKey_;
    std::string controlKey_;
    std::string shiftKey_;
    // The caption of the button that ended the editing.
    std::string answer_;
    std::string fileAbsolutePath_;
    std::string fileName_;

  private:
    friend class framework::Window;
    EditionWindow();

    // The four modifier boxes differ only in these.
    struct ModifierBox {
        const char* name;
        int left;
        std::string (*caption)();
        int column;
        std::string EditionWindow::*property;
    };
    static const ModifierBox modifierBoxes[4];

    void FunctionKeyPopupMenu_Change();
    void FunctionKeyPopupMenu_Open();
    void modifierCheckBox_Action(const ModifierBox& box);
    void modifierCheckBox_Open(const ModifierBox& box);
    void FileNameEditField_Open();
    void SelectFileBevelButton_Action();
    void SelectFolderBevelButton_Action();
    void CancelPushButton_Action();
    void OkPushButton_Action();

    // Both choosers: the dialog (nil when none could be made), the fixed
    // message for that case, and the message when nothing usable came back.
    void choose(framework::FolderItemDialog* dialog, const std::string& noDialogMessage,
                std::string (*nothingChosenMessage)());
    void end(const std::string& buttonName, bool ok);

    bool endedWithOk_ = false;
};

} // namespace keyhop
