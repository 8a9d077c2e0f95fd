#pragma once
// Test doubles for the platform services. Constructing one puts it in place;
// destroying it puts the real services back. Every call is logged in order.

#include "framework/PlatformServices.h"

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace keyhop::test {

class FakePlatform final : public framework::PlatformServices {
  public:
    FakePlatform();
    ~FakePlatform() override;
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;

    // "front", "beep", "message:<text>", "start:<last argument>", ...
    std::vector<std::string> log;
    // The keyboard as a test scripts it: the keys down now.
    std::set<int> functionKeysDown;
    std::set<framework::ModifierKey> modifierKeysDown;
    // Every program started, with its arguments.
    std::vector<std::vector<std::string>> started;
    // Runs while a message box is "open", before it is dismissed.
    std::function<void(const std::string&)> onMessageBox;

    void showMessageBox(const std::string& text) override;
    void beep() override;
    void bringApplicationToFront() override;
    bool functionKeyDown(int number) override;
    bool modifierKeyDown(framework::ModifierKey key) override;
    void startDetached(const std::vector<std::string>& argv) override;

    // The texts of the message boxes shown so far.
    std::vector<std::string> messages() const;
};

} // namespace keyhop::test
