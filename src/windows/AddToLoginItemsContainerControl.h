#pragma once
// The option pane that adds Keyhop to the user's login items or removes it.

#include "framework/CheckBox.h"
#include "framework/ContainerControl.h"

#include <string>

namespace keyhop {

class AddToLoginItemsContainerControl final : public framework::ContainerControl {
  public:
    AddToLoginItemsContainerControl(framework::ControlOwner& owner, std::string name);

    static std::string AddCheckBoxCaption();
    static std::string AddedToLoginItemsMessage();
    static std::string NotAddedToLoginItemsMessage();
    static std::string RemovedFromLoginItemsMessage();
    static std::string NotRemovedFromLoginItemsMessage();

    // Shows whether Keyhop is a login item now.
    void AddCheckBox_Open();
    // Adds or removes Keyhop as the box says and tells the user how it went;
    // the box keeps the user's value either way.
    void AddCheckBox_Action();

    framework::CheckBox& AddCheckBox;

  private:
    bool isInLoginItems() const;
};

} // namespace keyhop
