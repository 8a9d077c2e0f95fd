// The About window.

#include "windows/AboutWindow.h"

namespace keyhop {

namespace {

constexpr int designWidth = 300;
constexpr int designHeight = 100;

} // namespace

AboutWindow::AboutWindow() : Window(designWidth, designHeight) {}

AboutWindow& AboutWindow::get() {
    return instance<AboutWindow>();
}

} // namespace keyhop
