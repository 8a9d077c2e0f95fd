// File and folder dialogs, shown by the platform services.

#include "framework/FolderItemDialog.h"

#include "framework/FileType.h"
#include "framework/PlatformServices.h"

#include <sstream>

namespace framework {

namespace {

std::vector<std::string> split(const std::string& text) {
    std::vector<std::string> parts;
    std::istringstream stream(text);
    for (std::string part; std::getline(stream, part, ';');) {
        if (!part.empty()) {
            parts.push_back(part);
        }
    }
    return parts;
}

// The filter names registered file types, each followed by ";". A type
// without extensions ("Any") admits every file, and so does a filter naming
// no known type.
std::vector<std::string> patternsOf(const std::string& filter) {
    std::vector<std::string> patterns;
    for (const std::string& name : split(filter)) {
        for (const FileType* type : FileType::registeredTypes()) {
            if (type->Name() != name) {
                continue;
            }
            if (type->Extensions().empty()) {
                return {};
            }
            for (const std::string& extension : split(type->Extensions())) {
                patterns.push_back("*." + extension.substr(extension.starts_with('.') ? 1 : 0));
            }
        }
    }
    return patterns;
}

std::optional<FolderItem> itemAt(const std::optional<std::string>& path) {
    return path ? GetFolderItem(*path) : std::nullopt;
}

} // namespace

std::string FolderItemDialog::startFolder() const {
    return initialDirectory_ ? initialDirectory_->AbsolutePath() : std::string();
}

std::unique_ptr<OpenDialog> OpenDialog::create() {
    return platform().fileDialogsAvailable() ? std::make_unique<OpenDialog>() : nullptr;
}

std::optional<FolderItem> OpenDialog::ShowModal() {
    return itemAt(platform().chooseFile(startFolder(), patternsOf(filter_)));
}

std::unique_ptr<SelectFolderDialog> SelectFolderDialog::create() {
    return platform().fileDialogsAvailable() ? std::make_unique<SelectFolderDialog>() : nullptr;
}

std::optional<FolderItem> SelectFolderDialog::ShowModal() {
    return itemAt(platform().chooseFolder(startFolder()));
}

} // namespace framework
