#pragma once
// The option pane that switches the update check at launch.

#include "framework/CheckBox.h"
#include "framework/ContainerControl.h"

#include <string>

namespace keyhop {

class CheckForUpdateContainerControl final : public framework::ContainerControl {
  public:
    CheckForUpdateContainerControl(framework::ControlOwner& owner, std::string name);

    static std::string CheckCheckBoxCaption();

    void CheckCheckBox_Open();
    void CheckCheckBox_Action();

    framework::CheckBox& CheckCheckBox;
};

} // namespace keyhop
