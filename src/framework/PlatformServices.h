#pragma once
// Everything that leaves the process and that a test cannot reach for real
// goes through these services. Production uses the real ones; a test puts
// its doubles in place with one call to usePlatformServices.

#include <memory>
#include <string>

class QAction;
class QMenu;
class QSystemTrayIcon;

namespace framework {

class PlatformServices {
  public:
    virtual ~PlatformServices() = default;

    // A modal message box; returns once the user has dismissed it.
    virtual void showMessageBox(const std::string& text) = 0;
    virtual void beep() = 0;
    // Raises and activates the application's windows.
    virtual void bringApplicationToFront() = 0;

    // Opens the URL in the user's default web browser; returns at once.
    virtual void openURL(const std::string& url) = 0;

    // The desktop's tray and the menu its icon opens. The menu and its
    // entries come from here too, because the tray host shows them.
    // True when the desktop offers a tray to put an icon in.
    virtual bool systemTrayAvailable() = 0;
    // A new, hidden tray icon; nullptr when none can be made.
    virtual std::unique_ptr<QSystemTrayIcon> newTrayIcon() = 0;
    // Shows the icon in the tray; false when it could not be placed there.
    virtual bool showTrayIcon(QSystemTrayIcon& icon) = 0;
    // A new, empty menu; nullptr when none can be made.
    virtual std::unique_ptr<QMenu> newMenu() = 0;
    // A new menu entry; nullptr when none can be made.
    virtual std::unique_ptr<QAction> newMenuEntry() = 0;
};

// The services in force: the real ones unless a test replaced them.
PlatformServices& platform();

// Puts other services in place; nullptr restores the real ones. The caller
// keeps ownership and must keep them alive while they are in place.
void usePlatformServices(PlatformServices* services);

} // namespace framework
