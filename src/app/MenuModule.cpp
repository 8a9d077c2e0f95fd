// The menu texts of this application.

#include "app/MenuModule.h"

#include "framework/System.h"

namespace keyhop::MenuModule {

std::string ShortcutsMessage() {
    return framework::System::GetLocalizedString("MenuModule.ShortcutsMessage", "Shortcuts:");
}

} // namespace keyhop::MenuModule
