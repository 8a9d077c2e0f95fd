// The real platform services, on Qt and the X server.

#include "framework/QtPlatformServices.h"

#include "framework/ProcessLauncher.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

namespace framework {

void QtPlatformServices::showMessageBox(const std::string& text) {
    QMessageBox box;
    box.setWindowTitle(QApplication::applicationDisplayName());
    box.setText(QString::fromStdString(text));
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void QtPlatformServices::beep() {
    QApplication::beep();
}

void QtPlatformServices::bringApplicationToFront() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible()) {
            window->raise();
            window->activateWindow();
        }
    }
}

bool QtPlatformServices::functionKeyDown(int number) {
    return keyboard_.functionKeyDown(number);
}

bool QtPlatformServices::modifierKeyDown(ModifierKey key) {
    return keyboard_.modifierKeyDown(key);
}

void QtPlatformServices::startDetached(const std::vector<std::string>& argv) {
    startDetachedProcess(argv);
}

} // namespace framework
