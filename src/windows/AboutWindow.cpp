// The About window.

#include "windows/AboutWindow.h"

namespace keyhop {

namespace {

constexpr int designWidth = 300;
constexpr int designHeight = 100;

framework::WindowRecord windowRecord() {
    framework::WindowRecord record;
    record.width = designWidth;
    record.height = designHeight;
    record.minWidth = record.maxWidth = designWidth;
    record.minHeight = record.maxHeight = designHeight;
    record.frame = framework::WindowRecord::FramePlainBox;
    record.closeButton = record.minimizeButton = record.maximizeButton = false;
    record.resizeable = false;
    return record;
}

} // namespace

AboutWindow::AboutWindow() : Window(windowRecord()) {}

AboutWindow& AboutWindow::get() {
    return instance<AboutWindow>();
}

} // namespace keyhop
