#pragma once
// The shortcut table and the settings, shared by the whole system, and the
// preferences file that keeps them between runs.

#include "preferences/ShortcutTable.h"

#include <cstdint>
#include <memory>

namespace keyhop::PreferencesModule {

// Made at start-up with no rows, released at exit.
extern std::unique_ptr<ShortcutTable> shortcutsList;

// The list window's place and size; -1 when none is stored.
extern std::int32_t mainWindowLeft;
extern std::int32_t mainWindowTop;
extern std::int32_t mainWindowWidth;
extern std::int32_t mainWindowHeight;
// Check for a newer version at launch.
extern bool checkForUpdate;
// Write the preferences file empty at quit; never stored.
extern bool resetPreferences;

// Fills the table and the settings from the preferences file, once, at
// launch. When no file was read, shows the shortcut list window and brings
// the application to the front.
void loadPreferences();
// Rewrites the whole preferences file, once, at quit; never one that was
// there at launch but could not be read.
void savePreferences();

} // namespace keyhop::PreferencesModule
