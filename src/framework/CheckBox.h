#pragma once
// A check box.

#include "framework/Control.h"

namespace framework {

class CheckBox final : public Control {
  public:
    CheckBox(ControlOwner& owner, std::string name);

    std::string Caption() const;
    void setCaption(const std::string& caption);
    bool Value() const;
    void setValue(bool value);

    // Raised whenever the value changes, by the user or by code.
    std::function<void()> Action;

  private:
    // A caption longer than the box runs on into the room to its right,
    // up to the owner's edge.
    int drawnWidth(int width) const override;
};

} // namespace framework
