#pragma once
// A private X server for the tests that need a real keyboard, and XTest to
// press its keys by keycode. DISPLAY names it while it runs.

#include <string>

namespace keyhop::test {

class XvfbServer final {
  public:
    XvfbServer();
    // Stops the server and puts DISPLAY back.
    ~XvfbServer();
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    const std::string& display() const { return display_; }

    // Through XTest, as a keyboard would; returns once the server has done it.
    void press(unsigned int keycode);
    void release(unsigned int keycode);

  private:
    void fake(unsigned int keycode, bool down);

    int pid_ = -1;
    std::string display_;
    std::string previousDisplay_;
    bool hadDisplay_ = false;
    void* connection_ = nullptr;
};

} // namespace keyhop::test
