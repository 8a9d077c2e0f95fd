// Start-up and shut-down order.

#include "app/Startup.h"

#include "app/App.h"
#include "app/FileTypes.h"
#include "framework/EventDelivery.h"
#include "framework/Window.h"
#include "preferences/CommonPreferencesModule.h"
#include "preferences/PreferencesModule.h"

namespace keyhop {

namespace {

void initFileTypes() {
    FileTypes::initialize();
}

App& newAppInstance() {
    auto created = std::make_unique<App>();
    App& application = *created;
    framework::Application::registerAppObject(std::move(created));
    return application;
}

} // namespace

void initializeModuleGlobals() {
    PreferencesModule::shortcutsList = std::make_unique<ShortcutTable>();
}

int runMain() {
    // The extension library is linked in, so it has nothing to bind here.
    try {
        initFileTypes();
        App& application = newAppInstance();
        return application.run();
    } catch (...) {
        framework::reportUnhandledException();
        return 1;
    }
}

void finalizeModuleGlobals() {
    framework::Window::releaseAll();
    FileTypes::pAny.reset();
    CommonPreferencesModule::dictionary_.reset();
    PreferencesModule::shortcutsList.reset();
}

} // namespace keyhop
