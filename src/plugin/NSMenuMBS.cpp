// Native menus, as QMenu.

#include "plugin/NSMenuMBS.h"

#include "framework/PlatformServices.h"
#include "plugin/NSMenuItemMBS.h"

#include <QAction>
#include <QMenu>

namespace plugin {

NSMenuMBS::NSMenuMBS(const std::string& title) : title_(title) {}

NSMenuMBS::~NSMenuMBS() = default;

bool NSMenuMBS::CreateMenu(const std::string& title) {
    menu_ = framework::platform().newMenu();
    if (!menu_) {
        return false;
    }
    title_ = title;
    menu_->setTitle(QString::fromStdString(title_));
    return true;
}

void NSMenuMBS::addItem(std::shared_ptr<NSMenuItemMBS> m) {
    menu_->addAction(&m->entry());
    items_.push_back(std::move(m));
}

} // namespace plugin
