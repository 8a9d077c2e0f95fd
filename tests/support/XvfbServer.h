#pragma once
// A private X server for the tests that need a real keyboard, and XTest to
// press its keys by keycode. DISPLAY names it while it runs.

#include "support/SavedEnvironment.h"

namespace keyhop::test {

class XvfbServer final {
  public:
    XvfbServer();
    ~XvfbServer();
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    // As a keyboard would; returns once the server has done it.
    void press(unsigned int keycode) { fake(keycode, true); }
    void release(unsigned int keycode) { fake(keycode, false); }

  private:
    void fake(unsigned int keycode, bool down);

    SavedEnvironment display_{"DISPLAY"};
    int pid_ = -1;
    void* connection_ = nullptr;
};

} // namespace keyhop::test
