#pragma once
// The application object: receives the application's events, reports every
// failure and notice to the user, and is the one way to quit.

#include "framework/Application.h"
#include "shortcuts/MainTimer.h"

#include <memory>
#include <string>

namespace keyhop {

class App final : public framework::Application {
  public:
    void Event_Open() override;
    void Event_Close() override;
    bool Event_HandleAppleEvent(const framework::AppleEvent& event, const std::string& eventClass,
                                const std::string& eventID) override;
    bool Event_UnhandledException(const framework::RuntimeException* error) override;

    // Front, beep, then a modal box with the text as it is; returns when dismissed.
    void displayMessage(const std::string& text);
    // Asks for the orderly quit and returns to the caller.
    void quitApplication();

    // The key watcher; nil until Open has made it.
    std::unique_ptr<MainTimer> mainTimer_;
};

// The registered application object.
App& app();

} // namespace keyhop
