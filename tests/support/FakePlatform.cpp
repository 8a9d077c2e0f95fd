// Test doubles for the platform services.

#include "support/FakePlatform.h"

#include <QAction>
#include <QMenu>

namespace keyhop::test {

namespace {

const std::string messagePrefix = "message:";

} // namespace

FakePlatform::FakePlatform() {
    framework::usePlatformServices(this);
}

FakePlatform::~FakePlatform() {
    framework::usePlatformServices(nullptr);
}

void FakePlatform::showMessageBox(const std::string& text) {
    log.push_back(messagePrefix + text);
    if (onMessageBox) {
        onMessageBox(text);
    }
}

void FakePlatform::beep() {
    log.emplace_back("beep");
}

void FakePlatform::bringApplicationToFront() {
    log.emplace_back("front");
}

bool FakePlatform::functionKeyDown(int number) {
    return functionKeysDown.contains(number);
}

bool FakePlatform::modifierKeyDown(framework::ModifierKey key) {
    return modifierKeysDown.contains(key);
}

void FakePlatform::startDetached(const std::vector<std::string>& argv) {
    log.push_back("start:" + (argv.empty() ? std::string() : argv.back()));
    started.push_back(argv);
}

void FakePlatform::openURL(const std::string& url) {
    log.push_back("url:" + url);
}

bool FakePlatform::systemTrayAvailable() {
    return trayAvailable;
}

std::unique_ptr<QSystemTrayIcon> FakePlatform::newTrayIcon() {
    if (trayIconFails) {
        return nullptr;
    }
    auto icon = std::make_unique<QSystemTrayIcon>();
    trayIcon = icon.get();
    trayIconShown = false;
    return icon;
}

bool FakePlatform::showTrayIcon(QSystemTrayIcon&) {
    trayIconShown = !trayPlacementFails;
    return trayIconShown;
}

std::unique_ptr<QMenu> FakePlatform::newMenu() {
    return menuFails ? nullptr : std::make_unique<QMenu>();
}

std::unique_ptr<QAction> FakePlatform::newMenuEntry() {
    if (menuEntriesLeft == 0) {
        return nullptr;
    }
    if (menuEntriesLeft > 0) {
        --menuEntriesLeft;
    }
    return std::make_unique<QAction>();
}

std::vector<std::string> FakePlatform::messages() const {
    std::vector<std::string> texts;
    for (const auto& entry : log) {
        if (entry.rfind(messagePrefix, 0) == 0) {
            texts.push_back(entry.substr(messagePrefix.size()));
        }
    }
    return texts;
}

} // namespace keyhop::test
