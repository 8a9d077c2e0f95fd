#pragma once
// A pane: a control holding controls of its own, embedded by a window at the
// place and size the window gives it.

#include "framework/Control.h"
#include "framework/ControlOwner.h"

namespace framework {

class ContainerControl : public Control, public ControlOwner {
  public:
    QWidget& content() const override { return widget(); }

  protected:
    // Built at its design size; its owner then places it.
    ContainerControl(ControlOwner& owner, std::string name, int width, int height);

  private:
    // Wherever the window puts the pane, its own controls follow their locks.
    void boundsChanged() override;
};

} // namespace framework
