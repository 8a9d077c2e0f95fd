// Status items on QSystemTrayIcon.

#include "plugin/NSStatusItemMBS.h"

#include "framework/PlatformServices.h"
#include "plugin/NSImageMBS.h"
#include "plugin/NSMenuMBS.h"

#include <QCursor>
#include <QIcon>
#include <QMenu>
#include <QPixmap>
#include <QSystemTrayIcon>

namespace plugin {

namespace {

constexpr int iconSide = 18;

// Qt shows no tray icon without an image; until one is set, the item holds
// its place with a transparent one.
QIcon placeholderIcon() {
    QPixmap blank(iconSide, iconSide);
    blank.fill(Qt::transparent);
    return QIcon(blank);
}

} // namespace

NSStatusItemMBS::NSStatusItemMBS(std::unique_ptr<QSystemTrayIcon> icon) : icon_(std::move(icon)) {
    // A status item opens its menu on a plain click too, not only on the
    // context click that the tray host handles itself.
    QObject::connect(icon_.get(), &QSystemTrayIcon::activated, icon_.get(),
                     [this](QSystemTrayIcon::ActivationReason reason) {
                         if (reason == QSystemTrayIcon::Trigger && menu_ && menu_->menu()) {
                             menu_->menu()->popup(QCursor::pos());
                         }
                     });
}

NSStatusItemMBS::~NSStatusItemMBS() = default;

std::unique_ptr<NSStatusItemMBS> NSStatusItemMBS::New() {
    auto icon = framework::platform().newTrayIcon();
    if (!icon) {
        return nullptr;
    }
    return std::unique_ptr<NSStatusItemMBS>(new NSStatusItemMBS(std::move(icon)));
}

bool NSStatusItemMBS::Available() const {
    return framework::platform().systemTrayAvailable();
}

bool NSStatusItemMBS::CreateMenu() {
    if (icon_->icon().isNull()) {
        icon_->setIcon(placeholderIcon());
    }
    return framework::platform().showTrayIcon(*icon_);
}

void NSStatusItemMBS::setToolTip(const std::string& text) {
    icon_->setToolTip(QString::fromStdString(text));
}

void NSStatusItemMBS::setHighlightMode(bool) {}

void NSStatusItemMBS::setImage(std::shared_ptr<NSImageMBS> image) {
    image_ = std::move(image);
    icon_->setIcon(image_ ? image_->icon() : placeholderIcon());
}

void NSStatusItemMBS::setMenu(std::shared_ptr<NSMenuMBS> menu) {
    icon_->setContextMenu(menu ? menu->menu() : nullptr);
    menu_ = std::move(menu);
}

} // namespace plugin
