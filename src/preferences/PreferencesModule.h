#pragma once
// The shortcut table and the settings, shared by the whole system.

#include "preferences/ShortcutTable.h"

#include <memory>

namespace keyhop::PreferencesModule {

// Made at start-up with no rows, released at exit.
extern std::unique_ptr<ShortcutTable> shortcutsList;

} // namespace keyhop::PreferencesModule
