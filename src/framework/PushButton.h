#pragma once
// A push button. Return presses the default button and Escape the cancel
// button, wherever the focus is in the window.

#include "framework/Control.h"

class QShortcut;

namespace framework {

class PushButton final : public Control {
  public:
    PushButton(ControlOwner& owner, std::string name);

    std::string Caption() const;
    void setCaption(const std::string& caption);
    void setDefault(bool isDefault);
    void setCancel(bool isCancel);

    // Raised when the button is pressed.
    std::function<void()> Action;

  private:
    // Owned by the button's widget.
    QShortcut* defaultKeys_;
    QShortcut* cancelKeys_;
};

} // namespace framework
