#pragma once
// The application object: receives the application's events, reports every
// failure and notice to the user, and is the one way to quit.

#include "framework/Application.h"
#include "plugin/NSStatusItemMBS.h"
#include "shortcuts/MainTimer.h"

#include <memory>
#include <string>
#include <vector>

namespace keyhop {

class NSMenuItem;

class App final : public framework::Application {
  public:
    // Lets go of the status item, the status menu's entries, then the key watcher.
    ~App() override;

    void Event_Open() override;
    void Event_Close() override;
    bool Event_HandleAppleEvent(const framework::AppleEvent& event, const std::string& eventClass,
                                const std::string& eventID) override;
    bool Event_UnhandledException(const framework::RuntimeException* error) override;

    // The menu handlers, bound to the menu bar's items by name at start-up.
    bool HelpDocumentation_Action();
    bool HelpTranslate_Action();
    bool AppleAbout_Action();
    bool AppleQuit_Action();
    bool ApplePreferences_Action();
    bool HelpContact_Action();
    bool HelpWebsite_Action();

    // Front, beep, then a modal box with the text as it is; returns when dismissed.
    void displayMessage(const std::string& text);
    // Asks for the orderly quit and returns to the caller.
    void quitApplication();
    // The running version as "major.minor", in decimal.
    std::string versionText() const;
    // Rebuilds the status menu whole from the shortcut table; the menu shown
    // changes only once the new one is complete.
    void updateStatusItem();
    // Hands a chosen shortcut's keys to the key watcher, once there is one.
    void processAction(const std::string& functionKey, const std::string& shift,
                       const std::string& control, const std::string& option,
                       const std::string& command);

    // The entries of the status menu, indexed by their tag.
    const std::vector<std::shared_ptr<NSMenuItem>>& statusMenuItems() const { return nSMenuItem_; }

    // The key watcher; nil until Open has made it.
    std::unique_ptr<MainTimer> mainTimer_;

  private:
    // Puts the status item into the tray and builds its menu; reports a
    // failure and quits.
    void createStatusItem();
    // Reports the failure, then quits in order.
    void failAndQuit(const std::string& message);

    std::unique_ptr<plugin::NSStatusItemMBS> nSStatusItem_;
    std::vector<std::shared_ptr<NSMenuItem>> nSMenuItem_;
};

// The registered application object.
App& app();

} // namespace keyhop
