// The update-check pane: the setting counts from the next launch and is
// saved with the preferences at quit.

#include "windows/CheckForUpdateContainerControl.h"

#include "framework/System.h"
#include "preferences/PreferencesModule.h"
#include "windows/CheckBoxPane.h"

namespace keyhop {

CheckForUpdateContainerControl::CheckForUpdateContainerControl(framework::ControlOwner& owner,
                                                               std::string name)
    : ContainerControl(owner, std::move(name), optionPaneWidth, optionPaneHeight),
      CheckCheckBox(layOutCheckBoxPane(*this, "CheckCheckBox", CheckCheckBoxCaption())) {
    CheckCheckBox.Open = [this] { CheckCheckBox_Open(); };
    CheckCheckBox.Action = [this] { CheckCheckBox_Action(); };
}

std::string CheckForUpdateContainerControl::CheckCheckBoxCaption() {
    return framework::System::GetLocalizedString(
        "CheckForUpdateContainerControl.CheckCheckBoxCaption",
        "Automatically check for update at launch.");
}

void CheckForUpdateContainerControl::CheckCheckBox_Open() {
    CheckCheckBox.setValue(PreferencesModule::checkForUpdate);
}

void CheckForUpdateContainerControl::CheckCheckBox_Action() {
    PreferencesModule::checkForUpdate = CheckCheckBox.Value();
}

} // namespace keyhop
