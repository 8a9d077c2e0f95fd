#pragma once
// The application's menu bar: its children are the menus. On screen it is a
// menu bar on each window that shows one: first an application menu titled
// with the application's name, holding the About, Preferences and Quit items
// wherever they were appended, then the menus in their order.

#include "framework/MenuItem.h"

#include <memory>

class QMenuBar;

namespace framework {

class Application;

class MenuBar : public MenuItem {
  public:
    // A new menu bar widget showing this menu bar; its commands go to the
    // application's menu handlers. It must not outlive this menu bar.
    std::unique_ptr<QMenuBar> createNativeMenuBar(Application& application) const;
};

} // namespace framework
