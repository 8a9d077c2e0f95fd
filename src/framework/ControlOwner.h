#pragma once
// What windows and panes share: their controls, made as named children,
// found by name, and moved or sized by their locks when the owner resizes.

#include <memory>
#include <string>
#include <vector>

class QWidget;

namespace framework {

class Control;

class ControlOwner {
  public:
    virtual ~ControlOwner();

    // Makes a control of class C (constructed from this owner and the name)
    // as a child of this owner, registered under the name.
    template <typename C> C& addControl(std::string name) {
        auto control = std::make_unique<C>(*this, std::move(name));
        C& made = *control;
        adopt(std::move(control));
        return made;
    }
    // The control of that name and class; nil when there is none.
    template <typename C> C* findControl(const std::string& name) const {
        return dynamic_cast<C*>(find(name));
    }

    // Where the controls' widgets go.
    virtual QWidget& content() const = 0;

  protected:
    ControlOwner();
    // Raises Open on every control in creation order, a pane's own controls
    // before the pane itself.
    void raiseControlOpenEvents();
    // Moves and sizes the controls by their locks to the content's new size.
    void applyLocks(int width, int height);
    // Destroys the controls, with their widgets; for owners whose content
    // widget goes before the controls would.
    void releaseControls();

  private:
    Control* find(const std::string& name) const;
    void adopt(std::unique_ptr<Control> control);

    std::vector<std::unique_ptr<Control>> controls_;
};

} // namespace framework
