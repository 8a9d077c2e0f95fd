// Test doubles for the platform services.

#include "support/FakePlatform.h"

#include <QAction>

namespace keyhop::test {

void FakePlatform::showMessageBox(const std::string& text) {
    log.push_back("message:" + text);
    if (onMessageBox) {
        onMessageBox(text);
    }
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
        if (entry.starts_with("message:")) {
            texts.push_back(entry.substr(8));
        }
    }
    return texts;
}

} // namespace keyhop::test
