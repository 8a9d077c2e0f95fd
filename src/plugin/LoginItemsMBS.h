#pragma once
// The user's login items: the XDG autostart entries in the user's config
// folder, each standing for the program its Exec line starts.

#include "framework/FolderItem.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace plugin {

class LoginItemsMBS final {
  public:
    // The entries as they are now; nil when the user has no config folder.
    static std::unique_ptr<LoginItemsMBS> New();

    int Count() const { return static_cast<int>(items_.size()); }
    // The program that entry index (from 0) starts, links resolved; nil for
    // an index out of range and for an entry that is hidden, switched off,
    // unreadable or starts no program that can be found.
    std::optional<framework::FolderItem> File(int index) const;

    // Writes an entry that starts the item at login, named after the
    // application when the item is this program, in place of an entry of the
    // same program (a switched-off one too), never over another program's.
    // Autostart knows no "start hidden": hidden is accepted and the program
    // starts as usual.
    // False when the item cannot be written into an entry or writing failed.
    bool AddFile(const framework::FolderItem& file, bool hidden = false);
    // Deletes the user's entries that start the item; true when none is
    // left. Hidden or switched-off ones stay, as they may be what turns off a
    // system-wide entry of the same name.
    bool RemoveFile(const framework::FolderItem& file);

  private:
    explicit LoginItemsMBS(std::string folder);

    std::string folder_;
    std::vector<std::optional<framework::FolderItem>> items_;
};

} // namespace plugin
