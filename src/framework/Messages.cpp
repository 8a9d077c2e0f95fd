// The framework's message box and alert sound, through the platform services.

#include "framework/Messages.h"

#include "framework/PlatformServices.h"

namespace framework {

void MsgBox(const std::string& text) {
    platform().showMessageBox(text);
}

void Beep() {
    platform().beep();
}

} // namespace framework
