#pragma once
// A button that acts as a push button but never takes the keyboard focus.

#include "framework/Control.h"

namespace framework {

class BevelButton final : public Control {
  public:
    BevelButton(ControlOwner& owner, std::string name);

    std::string Caption() const;
    void setCaption(const std::string& caption);

    // Raised at each click.
    std::function<void()> Action;
};

} // namespace framework
