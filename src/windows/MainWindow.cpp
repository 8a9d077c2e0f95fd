// The shortcut list window.

#include "windows/MainWindow.h"

namespace keyhop {

namespace {

constexpr int designWidth = 460;
constexpr int designHeight = 320;

} // namespace

MainWindow::MainWindow() : Window(designWidth, designHeight) {}

MainWindow& MainWindow::get() {
    return instance<MainWindow>();
}

void MainWindow::showAndSelectRowWithAbsolutePath(const std::string&) {
    // The list and its selection come with the list window's controls.
    Show();
}

} // namespace keyhop
