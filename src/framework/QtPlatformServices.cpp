// The real platform services, on Qt and the X server.

#include "framework/QtPlatformServices.h"

#include "framework/LastActiveWindow.h"
#include "framework/ProcessLauncher.h"

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QThread>
#include <QUrl>
#include <QWidget>

#include <utility>

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
    // The list window asks at every mouse entry: in front already, the
    // focus stays where the user put it.
    if (QApplication::activeWindow() != nullptr) {
        return;
    }
    QWidget* window = QApplication::activeModalWidget();
    if (window == nullptr) {
        window = lastActiveWindow();
    }
    if (window != nullptr) {
        window->raise();
        window->activateWindow();
    }
}

bool QtPlatformServices::functionKeyDown(int number) {
    return keyboard_.functionKeyDown(number);
}

bool QtPlatformServices::modifierKeyDown(ModifierKey key) {
    return keyboard_.modifierKeyDown(key);
}

bool QtPlatformServices::wakeOnFunctionKey(QObject& context, std::function<void()> wake) {
    return keyboard_.wakeOnFunctionKey(context, std::move(wake));
}

void QtPlatformServices::startDetached(const std::vector<std::string>& argv) {
    startDetachedProcess(argv);
}

void QtPlatformServices::openURL(const std::string& url) {
    QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

bool QtPlatformServices::systemTrayAvailable() {
    // Started with the session, Keyhop may come up before the panel that
    // hosts the tray: give the tray host a few seconds to appear. Nothing
    // else is on screen yet, so blocking here hides nothing from the user.
    constexpr int waitMilliseconds = 5000;
    constexpr int pollMilliseconds = 100;
    const QDeadlineTimer deadline(waitMilliseconds);
    while (!QSystemTrayIcon::isSystemTrayAvailable()) {
        if (deadline.hasExpired()) {
            return false;
        }
        QThread::msleep(pollMilliseconds);
    }
    return true;
}

namespace {

// Widgets, and with them tray icons and menus, need the widget application.
bool widgetsAvailable() {
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

// The dialogs answer "" when the user cancels.
std::optional<std::string> chosenPath(const QString& chosen) {
    return chosen.isEmpty() ? std::nullopt : std::optional(chosen.toStdString());
}

} // namespace

bool QtPlatformServices::fileDialogsAvailable() {
    return widgetsAvailable();
}

std::optional<std::string>
QtPlatformServices::chooseFile(const std::string& startFolder,
                               const std::vector<std::string>& patterns) {
    QStringList filters;
    for (const std::string& pattern : patterns) {
        filters.append(QString::fromStdString(pattern));
    }
    const QString filter = filters.isEmpty() ? QString() : filters.join(QLatin1Char(' '));
    return chosenPath(QFileDialog::getOpenFileName(nullptr, QString(),
                                                   QString::fromStdString(startFolder), filter));
}

std::optional<std::string> QtPlatformServices::chooseFolder(const std::string& startFolder) {
    return chosenPath(
        QFileDialog::getExistingDirectory(nullptr, QString(), QString::fromStdString(startFolder)));
}

ScreenSize QtPlatformServices::screenSize(int index) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (index < 0 || index >= screens.size()) {
        return {};
    }
    // The primary screen comes first.
    const QRect whole = screens[index]->geometry();
    return {whole.width(), whole.height()};
}

std::unique_ptr<QSystemTrayIcon> QtPlatformServices::newTrayIcon() {
    return widgetsAvailable() ? std::make_unique<QSystemTrayIcon>() : nullptr;
}

bool QtPlatformServices::showTrayIcon(QSystemTrayIcon& icon) {
    icon.show();
    // The tray host may have gone since it was found.
    return icon.isVisible() && QSystemTrayIcon::isSystemTrayAvailable();
}

std::unique_ptr<QMenu> QtPlatformServices::newMenu() {
    return widgetsAvailable() ? std::make_unique<QMenu>() : nullptr;
}

std::unique_ptr<QAction> QtPlatformServices::newMenuEntry() {
    return std::make_unique<QAction>();
}

} // namespace framework
