// What choosing an entry of the status menu does.

#include "app/NSMenuItem.h"

#include "app/App.h"
#include "plugin/ApplicationExtensions.h"
#include "preferences/PreferencesModule.h"
#include "windows/AboutWindow.h"
#include "windows/MainWindow.h"

namespace keyhop {

void NSMenuItem::Event_Action() {
    App& application = app();
    switch (tag()) {
    case aboutTag:
        plugin::setFrontmostMBS(application, true);
        AboutWindow::get().Show();
        return;
    case preferencesTag:
        plugin::setFrontmostMBS(application, true);
        MainWindow::get().Show();
        return;
    case quitTag:
        plugin::setFrontmostMBS(application, true);
        application.quitApplication();
        return;
    default:
        break;
    }
    // The entry acts on whatever row has its index now: the table may have
    // changed since the menu was built.
    const int row = tag() - firstShortcutTag;
    const ShortcutTable& shortcuts = *PreferencesModule::shortcutsList;
    if (row >= 0 && row <= shortcuts.lastRow()) {
        application.processAction(shortcuts.cell(row, 0), shortcuts.cell(row, 1),
                                  shortcuts.cell(row, 2), shortcuts.cell(row, 3),
                                  shortcuts.cell(row, 4));
    }
}

} // namespace keyhop
