// The shortcut table and the settings.

#include "preferences/PreferencesModule.h"

namespace keyhop::PreferencesModule {

std::unique_ptr<ShortcutTable> shortcutsList;

std::int32_t mainWindowLeft = -1;
std::int32_t mainWindowTop = -1;
std::int32_t mainWindowWidth = -1;
std::int32_t mainWindowHeight = -1;
bool checkForUpdate = false;
bool resetPreferences = false;

} // namespace keyhop::PreferencesModule
