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

// True activates the window the user should be in (the modal one, else the
// one last active), unless the application is in front already. False has no
// equivalent on X11 (no application can be sent behind the others) and does nothing.
void setFrontmostMBS(framework::Application& application, bool frontmost);

} // namespace plugin
