// Menus and their items in memory.

#include "framework/MenuItem.h"

#include <algorithm>

namespace framework {

MenuItem::~MenuItem() = default;

MenuItem& MenuItem::Append(std::unique_ptr<MenuItem> item) {
    return *children_.emplace_back(std::move(item));
}

MenuItem* MenuItem::Child(const std::string& name) const {
    const auto found = std::find_if(children_.begin(), children_.end(),
                                    [&name](const auto& child) { return child->Name() == name; });
    return found == children_.end() ? nullptr : found->get();
}

} // namespace framework
