#pragma once
// Everything that leaves the process and that a test cannot reach for real
// goes through these services. Production uses the real ones; a test puts
// its doubles in place with one call to usePlatformServices.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QObject;
class QSystemTrayIcon;

namespace framework {

enum class ModifierKey { Shift, Control, Option, Command };

struct ScreenSize {
    int width = 0;
    int height = 0;
};

class PlatformServices {
  public:
    virtual ~PlatformServices() = default;

    // A modal message box; returns once the user has dismissed it.
    virtual void showMessageBox(const std::string& text) = 0;
    virtual void beep() = 0;
    // Activates the window the user should be in: the modal one when there
    // is one, else the one last active. Nothing when the application is in
    // front already.
    virtual void bringApplicationToFront() = 0;

    // Whether file and folder dialogs can be shown at all.
    virtual bool fileDialogsAvailable() = 0;
    // Application-modal dialogs starting in the folder ("" for the dialog's
    // own choice); the absolute path chosen, nil when the user cancels.
    // patterns as "*.txt"; none admits every file.
    virtual std::optional<std::string> chooseFile(const std::string& startFolder,
                                                  const std::vector<std::string>& patterns) = 0;
    virtual std::optional<std::string> chooseFolder(const std::string& startFolder) = 0;
    // The whole screen, 0 the primary one; 0 x 0 for a screen that is not there.
    virtual ScreenSize screenSize(int index) = 0;

    // The keyboard as it is now, whichever application has the focus; all up
    // when there is no keyboard to read. number is 1 for F1 to 19 for F19.
    virtual bool functionKeyDown(int number) = 0;
    virtual bool modifierKeyDown(ModifierKey key) = 0;
    // Has wake called once, from the event loop and while context lives, when
    // a function key goes down or the keymap changes. False, and nothing will
    // be called, when a function key read down at the last look, is down or
    // went down since, or when this keyboard cannot report its changes (as
    // here: whoever asks must keep looking).
    virtual bool wakeOnFunctionKey(QObject& /*context*/, std::function<void()> /*wake*/) {
        return false;
    }
    // Starts argv[0] (a path, or a name looked up in PATH) with the arguments,
    // detached: no shell, none of our open files, never our child to reap.
    virtual void startDetached(const std::vector<std::string>& argv) = 0;

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
