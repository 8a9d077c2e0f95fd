#pragma once
// A control: a named child of a window or of a pane, placed in its owner's
// coordinates and kept at its distance to each owner edge it is locked on.

#include <functional>
#include <string>

class QWidget;

namespace framework {

class ControlOwner;

enum class MouseCursor { Standard, Finger };
inline constexpr MouseCursor StandardPointer = MouseCursor::Standard;
inline constexpr MouseCursor FingerPointer = MouseCursor::Finger;

class Control {
  public:
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& Name() const { return name_; }

    // In the owner's coordinates: a window's content area, or a pane.
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    // Places the control; the distances to the owner's edges that the
    // locks keep from here on are the ones this gives.
    void setBounds(int left, int top, int width, int height);
    // Made locked on the left and top edges.
    void setLocks(bool left, bool top, bool right, bool bottom);

    bool Enabled() const;
    void setEnabled(bool enabled);
    bool Visible() const;
    void setVisible(bool visible);
    void setMouseCursor(MouseCursor cursor);

    QWidget& widget() const { return *widget_; }

    // Raised once, after the window and all its controls are built, in
    // the order the controls were made.
    std::function<void()> Open;

  protected:
    // The control takes its widget into its owner's content.
    Control(ControlOwner& owner, std::string name, QWidget* widget);
    // Sizes the widget again, after a change that alters drawnWidth.
    void refit();
    // The widget as the class the control made it.
    template <typename W> W& widgetAs() const { return static_cast<W&>(*widget_); }

  private:
    friend class ControlOwner;
    void followOwnerResize(int ownerWidth, int ownerHeight);
    void place(int left, int top, int width, int height);
    // Called after every change of place or size.
    virtual void boundsChanged() {}
    // The width the widget takes to draw a control of that width: wider
    // where its text runs past the control into the room beside it.
    virtual int drawnWidth(int width) const { return width; }

    std::string name_;
    // Owned by the owner's content widget.
    QWidget* widget_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool lockLeft_ = true, lockTop_ = true, lockRight_ = false, lockBottom_ = false;
    int rightDistance_ = 0, bottomDistance_ = 0;
};

} // namespace framework
