#pragma once
// The shortcut list window.

#include "framework/Window.h"

#include <string>

namespace keyhop {

class MainWindow final : public framework::Window {
  public:
    // The single instance, built hidden on first use.
    static MainWindow& get();

    // Shows the window with the row of that item selected.
    void showAndSelectRowWithAbsolutePath(const std::string& absolutePath);

  private:
    friend class framework::Window;
    MainWindow();
};

} // namespace keyhop
