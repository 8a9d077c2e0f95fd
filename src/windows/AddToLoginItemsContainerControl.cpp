// The login-items pane: the user's login items are its only record.

#include "windows/AddToLoginItemsContainerControl.h"

#include "app/App.h"
#include "framework/System.h"
#include "framework/Text.h"
#include "plugin/ApplicationExtensions.h"
#include "plugin/LoginItemsMBS.h"
#include "windows/CheckBoxPane.h"

namespace keyhop {

namespace {

constexpr int designWidth = 500;
constexpr int designHeight = 20;

void showMessage(const std::string& text) {
    app().displayMessage(
        framework::Replace(text, "%APPLICATIONNAME%", plugin::ApplicationNameMBS(app())));
}

} // namespace

AddToLoginItemsContainerControl::AddToLoginItemsContainerControl(framework::ControlOwner& owner,
                                                                 std::string name)
    : ContainerControl(owner, std::move(name), designWidth, designHeight),
      AddCheckBox(layOutCheckBoxPane(*this, "AddCheckBox", AddCheckBoxCaption())) {
    AddCheckBox.Open = [this] { AddCheckBox_Open(); };
    AddCheckBox.Action = [this] { AddCheckBox_Action(); };
}

std::string AddToLoginItemsContainerControl::AddCheckBoxCaption() {
    return framework::System::GetLocalizedString(
        "AddToLoginItemsContainerControl.AddCheckBoxCaption",
        "Add to the Login items to launch automatically at startup.");
}

std::string AddToLoginItemsContainerControl::AddedToLoginItemsMessage() {
    return framework::System::GetLocalizedString(
        "AddToLoginItemsContainerControl.AddedToLoginItemsMessage",
        "%APPLICATIONNAME% was added to the Login items so that it will be automatically "
        "launched each time you turn your Macintosh on.");
}

std::string AddToLoginItemsContainerControl::NotAddedToLoginItemsMessage() {
    return framework::System::GetLocalizedString(
        "AddToLoginItemsContainerControl.NotAddedToLoginItemsMessage",
        "%APPLICATIONNAME% could not be added to the Login items. You must add it manually if "
        "you want it to be automatically launched each time you turn your Macintosh on.");
}

std::string AddToLoginItemsContainerControl::RemovedFromLoginItemsMessage() {
    return framework::System::GetLocalizedString(
        "AddToLoginItemsContainerControl.RemovedFromLoginItemsMessage",
        "%APPLICATIONNAME% was removed from the Login items so that it won't be automatically "
        "launched each time you turn your Macintosh on.");
}

std::string AddToLoginItemsContainerControl::NotRemovedFromLoginItemsMessage() {
    return framework::System::GetLocalizedString(
        "AddToLoginItemsContainerControl.NotRemovedFromLoginItemsMessage",
        "%APPLICATIONNAME% could not be removed from the Login items. You must remove it "
        "manually if you don't want it to be automatically launched each time you turn your "
        "Macintosh on.");
}

bool AddToLoginItemsContainerControl::isInLoginItems() const {
    const auto loginItems = plugin::LoginItemsMBS::New();
    if (!loginItems) {
        return false;
    }
    const framework::FolderItem bundle = plugin::BundleFolderMBS(app());
    for (int i = 0; i <= loginItems->Count() - 1; ++i) {
        if (loginItems->File(i) && loginItems->File(i)->AbsolutePath() == bundle.AbsolutePath() &&
            loginItems->File(i)->Name() == bundle.Name()) {
            return true;
        }
    }
    return false;
}

void AddToLoginItemsContainerControl::AddCheckBox_Open() {
    AddCheckBox.setValue(isInLoginItems());
}

void AddToLoginItemsContainerControl::AddCheckBox_Action() {
    const auto loginItems = plugin::LoginItemsMBS::New();
    if (!loginItems) {
        return;
    }
    if (AddCheckBox.Value()) {
        if (!isInLoginItems()) {
            showMessage(loginItems->AddFile(plugin::BundleFolderMBS(app()), false)
                            ? AddedToLoginItemsMessage()
                            : NotAddedToLoginItemsMessage());
        }
    } else if (isInLoginItems()) {
        showMessage(loginItems->RemoveFile(plugin::BundleFolderMBS(app()))
                        ? RemovedFromLoginItemsMessage()
                        : NotRemovedFromLoginItemsMessage());
    }
}

} // namespace keyhop
