#pragma once
// Test doubles for the platform services. Constructing one puts it in place;
// destroying it puts the real services back. Every call is logged in order.

#include "framework/PlatformServices.h"

#include <QMenu>
#include <QPointer>
#include <QSystemTrayIcon>

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace keyhop::test {

class FakePlatform final : public framework::PlatformServices {
  public:
    FakePlatform() { framework::usePlatformServices(this); }
    ~FakePlatform() override { framework::usePlatformServices(nullptr); }
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;

    // "front", "beep", "message:<text>", "start:<last argument>", ...
    std::vector<std::string> log;
    // The keyboard as a test scripts it: the keys down now.
    std::set<int> functionKeysDown;
    std::set<framework::ModifierKey> modifierKeysDown;
    // Every program started, with its arguments.
    std::vector<std::vector<std::string>> started;
    // Runs while a message box is "open", before it is dismissed.
    std::function<void(const std::string&)> onMessageBox;

    // Whether file dialogs can be made; what the next one answers (nil: cancelled).
    bool fileDialogs = true;
    std::optional<std::string> chosenPath;
    framework::ScreenSize screen{1024, 768};

    // The desktop's tray. Menus, entries and the icon are real Qt objects
    // (they work on the offscreen platform); the icon is never shown.
    bool trayAvailable = true;
    bool trayIconFails = false;
    bool trayPlacementFails = false;
    bool menuFails = false;
    // How many more menu entries can be made; -1 for no limit.
    int menuEntriesLeft = -1;
    // The last tray icon made, and whether it was put into the tray.
    QPointer<QSystemTrayIcon> trayIcon;
    bool trayIconShown = false;

    void showMessageBox(const std::string& text) override;
    void beep() override { log.emplace_back("beep"); }
    void bringApplicationToFront() override { log.emplace_back("front"); }
    bool fileDialogsAvailable() override { return fileDialogs; }
    std::optional<std::string> chooseFile(const std::string& folder,
                                          const std::vector<std::string>&) override {
        return log.push_back("chooseFile:" + folder), chosenPath;
    }
    std::optional<std::string> chooseFolder(const std::string& folder) override {
        return log.push_back("chooseFolder:" + folder), chosenPath;
    }
    framework::ScreenSize screenSize(int index) override {
        return index == 0 ? screen : framework::ScreenSize{};
    }
    bool functionKeyDown(int number) override { return functionKeysDown.contains(number); }
    bool modifierKeyDown(framework::ModifierKey key) override {
        return modifierKeysDown.contains(key);
    }
    void startDetached(const std::vector<std::string>& argv) override {
        log.push_back("start:" + (argv.empty() ? std::string() : argv.back()));
        started.push_back(argv);
    }
    void openURL(const std::string& url) override { log.push_back("url:" + url); }
    bool systemTrayAvailable() override { return trayAvailable; }
    std::unique_ptr<QSystemTrayIcon> newTrayIcon() override;
    bool showTrayIcon(QSystemTrayIcon&) override { return trayIconShown = !trayPlacementFails; }
    std::unique_ptr<QMenu> newMenu() override {
        return menuFails ? nullptr : std::make_unique<QMenu>();
    }
    std::unique_ptr<QAction> newMenuEntry() override;

    // The texts of the message boxes shown so far.
    std::vector<std::string> messages() const;
};

} // namespace keyhop::test
