// The shortcut table and the settings.

#include "preferences/PreferencesModule.h"

namespace keyhop::PreferencesModule {

std::unique_ptr<ShortcutTable> shortcutsList;

} // namespace keyhop::PreferencesModule
