// The framework's register of file types.

#include "framework/FileType.h"

#include <algorithm>

namespace framework {

namespace {

std::vector<const FileType*>& registry() {
    static std::vector<const FileType*> types;
    return types;
}

} // namespace

FileType::~FileType() {
    std::erase(registry(), this);
}

std::string FileType::toText() {
    if (!isRegistered()) {
        registry().push_back(this);
    }
    return name_;
}

bool FileType::isRegistered() const {
    return std::find(registry().begin(), registry().end(), this) != registry().end();
}

const std::vector<const FileType*>& FileType::registeredTypes() {
    return registry();
}

} // namespace framework
