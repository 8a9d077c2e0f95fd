#pragma once
// An item of the file system, named by its absolute path, whether or not it
// exists yet.

#include "framework/TextInputStream.h"
#include "framework/TextOutputStream.h"

#include <memory>
#include <optional>
#include <string>

namespace framework {

class FolderItem final {
  public:
    // path must be absolute.
    explicit FolderItem(std::string absolutePath);

    const std::string& AbsolutePath() const { return path_; }
    // The last component of the path ("" for the root).
    std::string Name() const;
    bool Exists() const;
    bool Directory() const;

    // The item of that name inside this folder; nil for an empty name or one
    // holding a "/", or names that step out of the folder ("." and "..").
    std::optional<FolderItem> Child(const std::string& name) const;
    // Nil for the root.
    std::optional<FolderItem> Parent() const;

    // Opens the item as the desktop does: an executable program (an ELF file
    // or a "#!" script) is started, a .desktop file is launched as its entry
    // says, any other file, executable or not, or a folder goes to the
    // desktop's default handler. The path never passes through a shell.
    // activate: a program started here comes to the front by itself; false
    // has no equivalent here. Whether the item opened is not known.
    void Launch(bool activate = true) const;

    // A stream on a new, empty file at this item that replaces the existing
    // one when it is closed; nil when the file cannot be created.
    std::unique_ptr<TextOutputStream> CreateTextFile() const;
    // A stream on the file's lines; nil when it cannot be opened.
    std::unique_ptr<TextInputStream> OpenAsTextFile() const;

    // Linux files carry no type or creator codes: accepted and not stored.
    void setMacType(const std::string&) {}
    void setMacCreator(const std::string&) {}

    bool operator==(const FolderItem&) const = default;

  private:
    std::string path_;
};

// The item at an absolute path (path mode 0); nil for a path that is not
// absolute or that holds a NUL character.
std::optional<FolderItem> GetFolderItem(const std::string& path, int pathMode = 0);

// The user's preferences folder, the XDG config folder: $XDG_CONFIG_HOME when
// it is an absolute path, else .config in the home folder. A missing folder
// is created (mode 0700, with any missing parents); nil when it cannot be had.
std::optional<FolderItem> PreferencesFolder();

} // namespace framework
