// Panes: a plain widget holding the pane's own controls.

#include "framework/ContainerControl.h"

#include <QWidget>

namespace framework {

ContainerControl::ContainerControl(ControlOwner& owner, std::string name, int width, int height)
    : Control(owner, std::move(name), new QWidget) {
    setBounds(0, 0, width, height);
}

void ContainerControl::boundsChanged() {
    applyLocks(Width(), Height());
}

} // namespace framework
