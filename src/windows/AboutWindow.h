#pragma once
// The About window.

#include "framework/Window.h"

namespace keyhop {

class AboutWindow final : public framework::Window {
  public:
    // The single instance, built hidden on first use.
    static AboutWindow& get();

  private:
    friend class framework::Window;
    AboutWindow();
};

} // namespace keyhop
