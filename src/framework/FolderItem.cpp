// Items of the file system by absolute path.

#include "framework/FolderItem.h"

#include "framework/PlatformServices.h"

#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace framework {

namespace fs = std::filesystem;

FolderItem::FolderItem(std::string absolutePath) : path_(std::move(absolutePath)) {}

std::string FolderItem::Name() const {
    return fs::path(path_).filename().string();
}

bool FolderItem::Exists() const {
    std::error_code error;
    return fs::exists(fs::path(path_), error);
}

bool FolderItem::Directory() const {
    std::error_code error;
    return fs::is_directory(fs::path(path_), error);
}

std::optional<FolderItem> FolderItem::Child(const std::string& name) const {
    if (name.empty() || name == "." || name == ".." || name.find('/') != std::string::npos ||
        name.find('\0') != std::string::npos) {
        return std::nullopt;
    }
    return FolderItem((fs::path(path_) / name).string());
}

std::optional<FolderItem> FolderItem::Parent() const {
    const fs::path path(path_);
    if (path == path.root_path()) {
        return std::nullopt;
    }
    return FolderItem(path.parent_path().string());
}

void FolderItem::Launch(bool) const {
    std::error_code error;
    const bool file = fs::is_regular_file(fs::path(path_), error);
    if (file && path_.ends_with(".desktop")) {
        platform().startDetached({"gio", "launch", path_});
    } else if (file && ::access(path_.c_str(), X_OK) == 0) {
        platform().startDetached({path_});
    } else {
        platform().startDetached({"xdg-open", path_});
    }
}

std::optional<FolderItem> GetFolderItem(const std::string& path, int) {
    if (path.empty() || path.front() != '/' || path.find('\0') != std::string::npos) {
        return std::nullopt;
    }
    return FolderItem(path);
}

} // namespace framework
