#pragma once
// A top-level window. Each window class has at most one instance, made on
// first use by its getter. Controls go into the content area; a document
// window shows the application's menu bar above it.

#include "framework/ControlOwner.h"

#include <memory>
#include <string>
#include <typeindex>

class QWidget;

namespace framework {

class Picture;

// The design-time record of a window.
struct WindowRecord {
    static constexpr int FrameDocument = 0;
    static constexpr int FramePlainBox = 4;
    static constexpr int FrameSheet = 8;

    int width = 300;
    int height = 300;
    int minWidth = 64;
    int minHeight = 64;
    int maxWidth = 32767;
    int maxHeight = 32767;
    // A document window has a title bar and the menu bar; a plain box has
    // neither; a sheet is a window-modal dialog on the window that shows it.
    int frame = FrameDocument;
    std::string title;
    bool closeButton = true;
    bool minimizeButton = true;
    bool maximizeButton = true;
    bool resizeable = true;
};

class Window : public ControlOwner {
  public:
    ~Window() override;

    // Makes the window visible and brings it to the front.
    void Show();
    void Hide();
    bool Visible() const;
    // Hides the window and takes it from its getter at once; it is destroyed
    // later, so a window may close itself from its own handlers.
    void Close();
    // Shows the window modally on the parent; returns once it is hidden.
    void ShowModalWithin(Window& parent);

    std::string Title() const;
    void setTitle(const std::string& title);
    // The content area, on the screen. What is read can be written back
    // unchanged.
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void setLeft(int left);
    void setTop(int top);
    void setWidth(int width);
    void setHeight(int height);
    // Drawn behind the controls; nil for none.
    void setBackdrop(std::shared_ptr<Picture> picture);

    QWidget& content() const override;
    // The top-level widget.
    QWidget& widget() const;

    // Raised through deliverEvent. Open comes once, after the window is
    // registered with its getter and after its controls' Open events.
    virtual void Event_Open() {}
    // The user or the window manager moved or resized the shown window.
    virtual void Event_Moved() {}
    virtual void Event_Resized() {}
    virtual void Event_Activate() {}
    virtual void Event_MouseEnter() {}
    // The window manager asks the window to close; it stays unless the
    // handler closes or hides it.
    virtual void Event_CloseRequest() {}

    // Destroys every window; used once the event loop has ended.
    static void releaseAll();

  protected:
    explicit Window(const WindowRecord& record);

    // The single instance of T: built on first use (T's constructor makes its
    // controls), registered, then its Open events raised.
    template <typename T> static T& instance() {
        if (Window* existing = find(typeid(T))) {
            return static_cast<T&>(*existing);
        }
        Window& made = add(typeid(T), std::unique_ptr<Window>(new T));
        made.raiseOpenEvents();
        return static_cast<T&>(made);
    }

  private:
    static Window* find(std::type_index type);
    static Window& add(std::type_index type, std::unique_ptr<Window> window);
    void raiseOpenEvents();

    struct Private;
    std::unique_ptr<Private> d_;
};

} // namespace framework
