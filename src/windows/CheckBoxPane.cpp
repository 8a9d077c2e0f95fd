// The option panes' common layout.

#include "windows/CheckBoxPane.h"

namespace keyhop {

framework::CheckBox& layOutCheckBoxPane(framework::ContainerControl& pane, std::string name,
                                        const std::string& caption) {
    // The window that embeds the pane gives it its own place and locks.
    pane.setLocks(false, false, false, false);
    auto& checkBox = pane.addControl<framework::CheckBox>(std::move(name));
    checkBox.setCaption(caption);
    checkBox.setBounds(0, 0, pane.Width(), pane.Height());
    checkBox.setLocks(true, true, true, true);
    return checkBox;
}

} // namespace keyhop
