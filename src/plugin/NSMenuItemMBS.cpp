// Native menu entries, as QAction.

#include "plugin/NSMenuItemMBS.h"

#include "framework/EventDelivery.h"
#include "framework/PlatformServices.h"
#include "framework/ShownText.h"

#include <QAction>
#include <QKeySequence>

namespace plugin {

NSMenuItemMBS::NSMenuItemMBS() : entry_(framework::platform().newMenuEntry()) {
    if (!entry_) {
        return;
    }
    // Queued, so that Action runs once the menu has closed: it may rebuild
    // the very menu that raised it. The entry is kept alive while it runs.
    QObject::connect(
        entry_.get(), &QAction::triggered, entry_.get(),
        [this] {
            const std::shared_ptr<NSMenuItemMBS> self = weak_from_this().lock();
            if (self) {
                framework::deliverEvent([&self] { self->Event_Action(); });
            }
        },
        Qt::QueuedConnection);
}

NSMenuItemMBS::~NSMenuItemMBS() = default;

void NSMenuItemMBS::CreateMenuItem(const std::string& title, const std::string& keyEquivalent) {
    entry_->setSeparator(false);
    // Qt takes what follows a tab for the shortcut column: a blank shows it whole.
    entry_->setText(framework::shownText(title).replace(QLatin1Char('\t'), QLatin1Char(' ')));
    entry_->setShortcut(QKeySequence(QString::fromStdString(keyEquivalent)));
}

void NSMenuItemMBS::CreateSeparator() {
    entry_->setSeparator(true);
}

bool NSMenuItemMBS::Enabled() const {
    return entry_->isEnabled();
}

void NSMenuItemMBS::setEnabled(bool enabled) {
    entry_->setEnabled(enabled);
}

} // namespace plugin
