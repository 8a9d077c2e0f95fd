// The reset pane: the wish lasts until the quit, which writes the
// preferences file empty, and can be taken back until then.

#include "windows/ResetPreferencesContainerControl.h"

#include "framework/System.h"
#include "preferences/PreferencesModule.h"
#include "windows/CheckBoxPane.h"

namespace keyhop {

ResetPreferencesContainerControl::ResetPreferencesContainerControl(framework::ControlOwner& owner,
                                                                   std::string name)
    : ContainerControl(owner, std::move(name), optionPaneWidth, optionPaneHeight),
      ResetCheckBox(layOutCheckBoxPane(*this, "ResetCheckBox", ResetCheckBoxCaption())) {
    ResetCheckBox.Open = [this] { ResetCheckBox_Open(); };
    ResetCheckBox.Action = [this] { ResetCheckBox_Action(); };
}

std::string ResetPreferencesContainerControl::ResetCheckBoxCaption() {
    return framework::System::GetLocalizedString(
        "ResetPreferencesContainerControl.ResetCheckBoxCaption",
        "Reset the preferences at next launch.");
}

void ResetPreferencesContainerControl::ResetCheckBox_Action() {
    PreferencesModule::resetPreferences = ResetCheckBox.Value();
}

void ResetPreferencesContainerControl::ResetCheckBox_Open() {
    ResetCheckBox.setValue(PreferencesModule::resetPreferences);
}

} // namespace keyhop
