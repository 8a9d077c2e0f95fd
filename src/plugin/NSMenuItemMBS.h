#pragma once
// An entry of a native menu. Subclasses override Event_Action, which is
// raised on the main thread, from the event loop, each time the user
// chooses the enabled entry.

#include <memory>
#include <string>

class QAction;

namespace plugin {

class NSMenuItemMBS : public std::enable_shared_from_this<NSMenuItemMBS> {
  public:
    // A new entry of class T (this class or a subclass); nil when the
    // platform gives no native entry.
    template <typename T> static std::shared_ptr<T> New() {
        auto item = std::make_shared<T>();
        return item->entry_ ? item : nullptr;
    }

    NSMenuItemMBS();
    virtual ~NSMenuItemMBS();
    NSMenuItemMBS(const NSMenuItemMBS&) = delete;
    NSMenuItemMBS& operator=(const NSMenuItemMBS&) = delete;

    // Makes the entry a command with that title, shown as given (a tab, which
    // a menu cannot show, as a blank).
    // A key equivalent is a key that chooses the entry while the menu is
    // open; "" for none.
    void CreateMenuItem(const std::string& title = "", const std::string& keyEquivalent = "");
    // Makes the entry a separator line.
    void CreateSeparator();

    // A disabled entry is shown dimmed and cannot be chosen.
    bool Enabled() const;
    void setEnabled(bool enabled);
    int tag() const { return tag_; }
    void setTag(int tag) { tag_ = tag; }

    QAction& entry() const { return *entry_; }

  protected:
    virtual void Event_Action() {}

  private:
    std::unique_ptr<QAction> entry_;
    int tag_ = 0;
};

} // namespace plugin
