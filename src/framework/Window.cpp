// Top-level windows on Qt widgets.

#include "framework/Window.h"

#include <QWidget>

#include <map>

namespace framework {

namespace {

std::map<std::type_index, std::unique_ptr<Window>>& openWindows() {
    static std::map<std::type_index, std::unique_ptr<Window>> windows;
    return windows;
}

} // namespace

Window::Window(int width, int height) : widget_(std::make_unique<QWidget>()) {
    widget_->resize(width, height);
}

Window::~Window() = default;

void Window::Show() {
    widget_->show();
    widget_->raise();
    widget_->activateWindow();
}

bool Window::Visible() const {
    return widget_->isVisible();
}

int Window::Width() const {
    return widget_->width();
}

int Window::Height() const {
    return widget_->height();
}

void Window::releaseAll() {
    openWindows().clear();
}

Window* Window::find(std::type_index type) {
    const auto found = openWindows().find(type);
    return found == openWindows().end() ? nullptr : found->second.get();
}

Window& Window::add(std::type_index type, std::unique_ptr<Window> window) {
    return *openWindows().emplace(type, std::move(window)).first->second;
}

} // namespace framework
