// The menu bar on screen, as QMenuBar with QMenus and QActions.

#include "framework/MenuBar.h"

#include "framework/Application.h"
#include "framework/ShownText.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace framework {

namespace {

QString labelOf(const MenuItem& item) {
    return shownText(item.Text());
}

// Command is the Mac's key for menu shortcuts; Control plays its part here.
QKeySequence shortcutOf(const MenuItem& item) {
    QString text = QString::fromStdString(item.KeyboardShortcut());
    text.replace(QStringLiteral("Cmd+"), QStringLiteral("Ctrl+"));
    return QKeySequence(text, QKeySequence::PortableText);
}

void addEntry(QMenu& menu, const MenuItem& item, Application& application) {
    if (item.isSeparator()) {
        menu.addSeparator();
        return;
    }
    QAction* action = menu.addAction(labelOf(item));
    action->setShortcut(shortcutOf(item));
    const std::string name = item.Name();
    QObject::connect(action, &QAction::triggered, action,
                     [&application, name] { application.handleMenuCommand(name); });
    // Quit is usable at all times; the others when their command can run.
    const bool alwaysEnabled = item.role() == MenuItem::Role::Quit;
    const bool autoEnable = item.AutoEnable();
    QObject::connect(&menu, &QMenu::aboutToShow, action,
                     [action, &application, name, alwaysEnabled, autoEnable] {
                         action->setEnabled(alwaysEnabled ||
                                            (autoEnable && application.canHandleMenuCommand(name)));
                     });
}

} // namespace

std::unique_ptr<QMenuBar> MenuBar::createNativeMenuBar(Application& application) const {
    auto bar = std::make_unique<QMenuBar>();
    QMenu* applicationMenu = bar->addMenu(QApplication::applicationDisplayName());
    for (const MenuItem::Role role :
         {MenuItem::Role::About, MenuItem::Role::Preferences, MenuItem::Role::Quit}) {
        for (const auto& menu : children()) {
            for (const auto& item : menu->children()) {
                if (item->role() == role) {
                    if (role == MenuItem::Role::Quit && !applicationMenu->isEmpty()) {
                        applicationMenu->addSeparator();
                    }
                    addEntry(*applicationMenu, *item, application);
                }
            }
        }
    }
    for (const auto& menu : children()) {
        QMenu* shown = bar->addMenu(labelOf(*menu));
        // A separator closing a menu (the Help menu's) stays drawn.
        shown->setSeparatorsCollapsible(false);
        for (const auto& item : menu->children()) {
            if (item->role() == MenuItem::Role::Ordinary) {
                addEntry(*shown, *item, application);
            }
        }
    }
    return bar;
}

} // namespace framework
