#pragma once
// What the option panes share: a pane of one check box that fills it.

#include "framework/CheckBox.h"
#include "framework/ContainerControl.h"

#include <string>

namespace keyhop {

// The design size of the update-check and reset panes.
inline constexpr int optionPaneWidth = 400;
inline constexpr int optionPaneHeight = 20;

// Applies the pane's design-time record, then makes its check box under the
// name, with the caption, as large as the pane and locked to all its edges.
framework::CheckBox& layOutCheckBoxPane(framework::ContainerControl& pane, std::string name,
                                        const std::string& caption);

} // namespace keyhop
