// Top-level windows on Qt widgets.

#include "framework/Window.h"

#include "framework/Application.h"
#include "framework/MenuBar.h"

#include <QMenuBar>
#include <QVBoxLayout>
#include <QWidget>

#include <map>

namespace framework {

namespace {

std::map<std::type_index, std::unique_ptr<Window>>& openWindows() {
    static std::map<std::type_index, std::unique_ptr<Window>> windows;
    return windows;
}

} // namespace

Window::Window(int width, int height, bool menuBarVisible)
    : widget_(std::make_unique<QWidget>()), content_(new QWidget(widget_.get())) {
    auto* layout = new QVBoxLayout(widget_.get());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(content_);
    int menuBarHeight = 0;
    Application* application = Application::current();
    if (menuBarVisible && application != nullptr && application->menuBar()) {
        // The layout makes the menu bar a child of the window, which owns it.
        QMenuBar* menuBar = application->menuBar()->createNativeMenuBar(*application).release();
        layout->setMenuBar(menuBar);
        menuBarHeight = menuBar->sizeHint().height();
    }
    widget_->resize(width, height + menuBarHeight);
    layout->activate();
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
    return content_->width();
}

int Window::Height() const {
    return content_->height();
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
