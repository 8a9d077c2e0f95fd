// Items of the file system by absolute path.

#include "framework/FolderItem.h"

#include "framework/Environment.h"
#include "framework/PlatformServices.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace framework {

namespace fs = std::filesystem;

namespace {

// Creates the folder and its missing parents, each private to the user.
bool makeFolder(const fs::path& folder) {
    std::error_code error;
    if (fs::is_directory(folder, error)) {
        return true;
    }
    if (folder.has_parent_path() && folder.parent_path() != folder &&
        !makeFolder(folder.parent_path())) {
        return false;
    }
    return ::mkdir(folder.c_str(), 0700) == 0 ||
           (errno == EEXIST && fs::is_directory(folder, error));
}

// An ELF executable or a script with its "#!" line. On FAT, exFAT and
// network mounts every file has the execute bit, documents too. A file that
// cannot be read cannot be told apart: only starting it may work.
bool isProgram(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return true;
    }
    char start[4] = {};
    const ssize_t count = ::read(fd, start, sizeof start);
    ::close(fd);
    const std::string_view head(start, count > 0 ? static_cast<std::size_t>(count) : 0);
    return head == "\177ELF" || head.starts_with("#!");
}

} // namespace

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
    } else if (file && ::access(path_.c_str(), X_OK) == 0 && isProgram(path_)) {
        platform().startDetached({path_});
    } else {
        platform().startDetached({"xdg-open", path_});
    }
}

std::unique_ptr<TextOutputStream> FolderItem::CreateTextFile() const {
    return TextOutputStream::create(path_);
}

std::unique_ptr<TextInputStream> FolderItem::OpenAsTextFile() const {
    return TextInputStream::open(path_);
}

std::optional<FolderItem> GetFolderItem(const std::string& path, int) {
    if (path.empty() || path.front() != '/' || path.find('\0') != std::string::npos) {
        return std::nullopt;
    }
    return FolderItem(path);
}

std::optional<FolderItem> PreferencesFolder() {
    fs::path folder = absolutePathFromEnvironment("XDG_CONFIG_HOME");
    if (folder.empty()) {
        const std::string home = homeFolder();
        if (home.empty()) {
            return std::nullopt;
        }
        folder = fs::path(home) / ".config";
    }
    folder = folder.lexically_normal();
    if (!folder.has_filename() && folder != folder.root_path()) {
        folder = folder.parent_path();
    }
    if (!makeFolder(folder)) {
        return std::nullopt;
    }
    return FolderItem(folder.string());
}

} // namespace framework
