#pragma once
// The dialogs that let the user choose an existing file or folder. They are
// answered by the platform services, so tests answer them without a dialog.

#include "framework/FolderItem.h"

#include <memory>
#include <optional>
#include <string>

namespace framework {

class FolderItemDialog {
  public:
    virtual ~FolderItemDialog() = default;

    // The file types admitted, as "Any;": any file.
    void setFilter(const std::string& filter) { filter_ = filter; }
    void setInitialDirectory(std::optional<FolderItem> folder) {
        initialDirectory_ = std::move(folder);
    }
    // Application-modal; the chosen item, or nil when the user cancels.
    virtual std::optional<FolderItem> ShowModal() = 0;

  protected:
    FolderItemDialog() = default;
    // "" when no initial directory is set.
    std::string startFolder() const;

    std::string filter_;
    std::optional<FolderItem> initialDirectory_;
};

// Chooses an existing file.
class OpenDialog final : public FolderItemDialog {
  public:
    // Nil when no dialog can be made.
    static std::unique_ptr<OpenDialog> create();
    std::optional<FolderItem> ShowModal() override;
};

// Chooses an existing folder.
class SelectFolderDialog final : public FolderItemDialog {
  public:
    // Nil when no dialog can be made.
    static std::unique_ptr<SelectFolderDialog> create();
    std::optional<FolderItem> ShowModal() override;
};

} // namespace framework
