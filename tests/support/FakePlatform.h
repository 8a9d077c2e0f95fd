#pragma once
// Test doubles for the platform services. Constructing one puts it in place;
// destroying it puts the real services back. Every call is logged in order.

#include "framework/PlatformServices.h"

#include <functional>
#include <string>
#include <vector>

namespace keyhop::test {

class FakePlatform final : public framework::PlatformServices {
  public:
    FakePlatform();
    ~FakePlatform() override;
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;

    // "front", "beep", "message:<text>", ...
    std::vector<std::string> log;
    // Runs while a message box is "open", before it is dismissed.
    std::function<void(const std::string&)> onMessageBox;

    void showMessageBox(const std::string& text) override;
    void beep() override;
    void bringApplicationToFront() override;

    // The texts of the message boxes shown so far.
    std::vector<std::string> messages() const;
};

} // namespace keyhop::test
