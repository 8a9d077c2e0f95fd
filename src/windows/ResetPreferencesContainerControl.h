#pragma once
// The option pane that asks for empty preferences at the next quit.

#include "framework/CheckBox.h"
#include "framework/ContainerControl.h"

#include <string>

namespace keyhop {

class ResetPreferencesContainerControl final : public framework::ContainerControl {
  public:
    ResetPreferencesContainerControl(framework::ControlOwner& owner, std::string name);

    static std::string ResetCheckBoxCaption();

    void ResetCheckBox_Action();
    void ResetCheckBox_Open();

    framework::CheckBox& ResetCheckBox;
};

} // namespace keyhop
