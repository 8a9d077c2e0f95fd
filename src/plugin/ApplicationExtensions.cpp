// Extensions of the application object.

#include "plugin/ApplicationExtensions.h"

#include "framework/PlatformServices.h"

#include <QCoreApplication>

#include <filesystem>

namespace plugin {

std::string ApplicationNameMBS(const framework::Application&) {
    // The framework names the application once, at start-up.
    return QCoreApplication::applicationName().toStdString();
}

std::string ApplicationCreatorCodeMBS(const framework::Application&) {
    return KEYHOP_CREATOR_CODE;
}

framework::FolderItem BundleFolderMBS(const framework::Application&) {
    // The kernel names the executable by its absolute path, links resolved.
    std::error_code error;
    return framework::FolderItem(std::filesystem::read_symlink("/proc/self/exe", error).string());
}

void setFrontmostMBS(framework::Application&, bool frontmost) {
    if (frontmost) {
        framework::platform().bringApplicationToFront();
    }
}

} // namespace plugin
