// Platform services without a display.

#include "framework/NoDisplayServices.h"

#include "framework/ProcessLauncher.h"

#include <QAction>
#include <QMenu>
#include <QSystemTrayIcon>

#include <cstdio>

namespace framework {

void NoDisplayServices::showMessageBox(const std::string& text) {
    std::fprintf(stderr, "%s\n", text.c_str());
    std::fflush(stderr);
}

void NoDisplayServices::startDetached(const std::vector<std::string>& argv) {
    startDetachedProcess(argv);
}

std::unique_ptr<QSystemTrayIcon> NoDisplayServices::newTrayIcon() {
    return nullptr;
}

std::unique_ptr<QMenu> NoDisplayServices::newMenu() {
    return nullptr;
}

std::unique_ptr<QAction> NoDisplayServices::newMenuEntry() {
    return nullptr;
}

} // namespace framework
