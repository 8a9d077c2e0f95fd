#pragma once
// Menus and their items, described in memory; the menu bar turns them into
// the menus the user sees. A menu is an item with children.

#include <memory>
#include <string>
#include <vector>

namespace framework {

class MenuItem {
  public:
    // Where the platform puts an item: in its own menu, or in the
    // application menu as its About, Preferences or Quit command.
    enum class Role { Ordinary, About, Preferences, Quit };

    MenuItem() = default;
    virtual ~MenuItem();
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    virtual Role role() const { return Role::Ordinary; }

    // The item's identity: menu handlers are bound to it.
    const std::string& Name() const { return name_; }
    void setName(std::string name) { name_ = std::move(name); }
    // Enabled whenever its command can be carried out: a handler is bound,
    // or the framework has a command of its own for it.
    bool AutoEnable() const { return autoEnable_; }
    void setAutoEnable(bool autoEnable) { autoEnable_ = autoEnable; }
    // The label; "-" makes the item a separator line.
    const std::string& Text() const { return text_; }
    void setText(std::string text) { text_ = std::move(text); }
    // "Cmd+X" is Command and X, which is Ctrl+X here; "" is none.
    const std::string& KeyboardShortcut() const { return keyboardShortcut_; }
    void setKeyboardShortcut(std::string shortcut) { keyboardShortcut_ = std::move(shortcut); }

    bool isSeparator() const { return text_ == "-"; }

    // Adds the item at the end of this one and returns it.
    MenuItem& Append(std::unique_ptr<MenuItem> item);
    // The first child with that name; nil when there is none.
    MenuItem* Child(const std::string& name) const;
    const std::vector<std::unique_ptr<MenuItem>>& children() const { return children_; }

  private:
    std::string name_;
    bool autoEnable_ = false;
    std::string text_;
    std::string keyboardShortcut_;
    std::vector<std::unique_ptr<MenuItem>> children_;
};

// The three kinds of item that the platform shows in the application menu,
// wherever they were appended.
class AppleMenuItem final : public MenuItem {
  public:
    Role role() const override { return Role::About; }
};

class PrefsMenuItem final : public MenuItem {
  public:
    Role role() const override { return Role::Preferences; }
};

class QuitMenuItem final : public MenuItem {
  public:
    Role role() const override { return Role::Quit; }
};

} // namespace framework
