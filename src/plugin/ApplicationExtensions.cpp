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
    // The kernel names the executable by its absolute path, links resolved,
    // and adds " (deleted)" once an upgrade has replaced the file.
    std::error_code error;
    std::string path = std::filesystem::read_symlink("/proc/self/exe", error).string();
    const std::string deleted = " (deleted)";
    if (path.ends_with(deleted) && !std::filesystem::exists(path, error)) {
        path.resize(path.size() - deleted.size());
    }
    return framework::FolderItem(path);
}

void setFrontmostMBS(framework::Application&, bool frontmost) {
    if (frontmost) {
        framework::platform().bringApplicationToFront();
    }
}

} // namespace plugin
