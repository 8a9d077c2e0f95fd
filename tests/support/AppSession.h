#pragma once
// The application object and an empty shortcut table for as long as the
// object lives; then every window goes and the module globals are as at launch.

#include "app/App.h"
#include "framework/Window.h"
#include "preferences/CommonPreferencesModule.h"
#include "preferences/PreferencesModule.h"

#include <memory>

namespace keyhop::test {

class AppSession final {
  public:
    AppSession() {
        framework::Application::registerAppObject(std::make_unique<App>());
        PreferencesModule::shortcutsList = std::make_unique<ShortcutTable>();
    }
    ~AppSession() {
        framework::Window::releaseAll();
        CommonPreferencesModule::dictionary_.reset();
        framework::Application::releaseAppObject();
        PreferencesModule::shortcutsList.reset();
        PreferencesModule::checkForUpdate = PreferencesModule::resetPreferences = false;
    }
    AppSession(const AppSession&) = delete;
    AppSession& operator=(const AppSession&) = delete;
};

} // namespace keyhop::test
