#pragma once
// A native menu: entries shown in the order they were added. The object
// itself always exists; CreateMenu makes the native menu.

#include <memory>
#include <string>
#include <vector>

class QMenu;

namespace plugin {

class NSMenuItemMBS;

class NSMenuMBS final {
  public:
    explicit NSMenuMBS(const std::string& title = "");
    ~NSMenuMBS();
    NSMenuMBS(const NSMenuMBS&) = delete;
    NSMenuMBS& operator=(const NSMenuMBS&) = delete;

    // True when the native menu exists.
    bool CreateMenu(const std::string& title = "");
    // Appends the entry; the menu keeps it alive. Call after CreateMenu.
    void addItem(std::shared_ptr<NSMenuItemMBS> m);

    QMenu* menu() const { return menu_.get(); }

  private:
    std::string title_;
    std::vector<std::shared_ptr<NSMenuItemMBS>> items_;
    std::unique_ptr<QMenu> menu_;
};

} // namespace plugin
