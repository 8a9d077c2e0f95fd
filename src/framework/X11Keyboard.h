#pragma once
// The keyboard's state read from the X server, without grabbing anything.

#include "framework/PlatformServices.h"

#include <memory>

namespace framework {

class X11Keyboard final {
  public:
    // Connects to $DISPLAY at the first question; without a display every key reads up.
    X11Keyboard();
    ~X11Keyboard();
    X11Keyboard(const X11Keyboard&) = delete;
    X11Keyboard& operator=(const X11Keyboard&) = delete;

    // number is 1 for F1 to 19 for F19.
    bool functionKeyDown(int number);
    bool modifierKeyDown(ModifierKey key);
    // As PlatformServices::wakeOnFunctionKey: possible with XInput 2.1 raw key
    // events, read as the event loop finds them on the connection.
    bool wakeOnFunctionKey(QObject& context, std::function<void()> wake);

  private:
    class Connection;
    Connection* connection();

    bool tried_ = false;
    std::unique_ptr<Connection> connection_;
};

} // namespace framework
