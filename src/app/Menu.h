#pragma once
// Keyhop's menu bar: the Edit and Help menus, and the About, Preferences
// and Quit items that the platform shows in the application menu.

#include "framework/MenuBar.h"

#include <memory>

namespace keyhop {

class Menu final : public framework::MenuBar {
  public:
    // The single menu bar, built on first use.
    static std::shared_ptr<Menu> get();
    // Lets go of the single menu bar; done at exit.
    static void release();

    Menu();

  private:
    void buildEditMenu();
    void buildHelpMenu();
};

} // namespace keyhop
