#pragma once
// Extensions of the application object: its name, its creator code, its
// executable and bringing it to the front.

#include "framework/FolderItem.h"

#include <string>

namespace framework {
class Application;
}

namespace plugin {

std::string ApplicationNameMBS(const framework::Application& application);
std::string ApplicationCreatorCodeMBS(const framework::Application& application);
// The running executable, links resolved.
framework::FolderItem BundleFolderMBS(const framework::Application& application);

// True raises and activates the application's windows. False has no
// equivalent on X11 (no application can be sent behind the others) and does nothing.
void setFrontmostMBS(framework::Application& application, bool frontmost);

} // namespace plugin
