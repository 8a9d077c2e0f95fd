#pragma once
// The framework's standard edit commands, carried out on the focused text
// field: the items named "EditCut", "EditCopy", "EditPaste" and "EditClear".

#include <string>

namespace framework {

// True when the item names an edit command that the focused widget can take.
bool canCarryOutEditCommand(const std::string& itemName);

// Carries the command out on the focused text field; false when the item
// names no edit command or no text field has the focus.
bool carryOutEditCommand(const std::string& itemName);

} // namespace framework
