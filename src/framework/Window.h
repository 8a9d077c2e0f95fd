#pragma once
// A top-level window. Each window class has at most one instance, made on
// first use by its getter and kept in the framework's list of open windows.
// A window that shows the menu bar has the application's menu bar (when it
// has one) above its content area; controls go into the content area.

#include <memory>
#include <typeindex>

class QWidget;

namespace framework {

class Window {
  public:
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Makes the window visible and brings it to the front.
    void Show();
    bool Visible() const;
    // The content area's size.
    int Width() const;
    int Height() const;

    // Where the window's controls go.
    QWidget& content() const { return *content_; }

    // Destroys every open window; used once the event loop has ended.
    static void releaseAll();

  protected:
    // Built hidden, with its content area of the given size.
    Window(int width, int height, bool menuBarVisible = true);

    // The single instance of T, built on first use.
    template <typename T> static T& instance() {
        if (Window* existing = find(typeid(T))) {
            return static_cast<T&>(*existing);
        }
        return static_cast<T&>(add(typeid(T), std::unique_ptr<Window>(new T)));
    }

  private:
    static Window* find(std::type_index type);
    static Window& add(std::type_index type, std::unique_ptr<Window> window);

    std::unique_ptr<QWidget> widget_;
    // Owned by widget_.
    QWidget* content_;
};

} // namespace framework
