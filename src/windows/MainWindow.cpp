// The shortcut list window.

#include "windows/MainWindow.h"

namespace keyhop {

namespace {

constexpr int designWidth = 460;
constexpr int designHeight = 320;

framework::WindowRecord windowRecord() {
    framework::WindowRecord record;
    record.width = designWidth;
    record.height = designHeight;
    record.minWidth = designWidth;
    record.minHeight = designHeight;
    record.closeButton = false;
    return record;
}

} // namespace

MainWindow::MainWindow() : Window(windowRecord()) {}

MainWindow& MainWindow::get() {
    return instance<MainWindow>();
}

void MainWindow::showAndSelectRowWithAbsolutePath(const std::string&) {
    // The list and its selection come with the list window's controls.
    Show();
}

} // namespace keyhop
