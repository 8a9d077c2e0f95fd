#pragma once
// The menu texts of this application.

#include <string>

namespace keyhop::MenuModule {

std::string ShortcutsMessage();

} // namespace keyhop::MenuModule
