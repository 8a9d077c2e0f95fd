#pragma once
// The framework's message box and alert sound.

#include <string>

namespace framework {

// Application-modal; returns when the user has dismissed it.
void MsgBox(const std::string& text);

void Beep();

} // namespace framework
