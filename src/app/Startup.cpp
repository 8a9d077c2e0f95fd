// Start-up and shut-down order.

#include "app/Startup.h"

#include "app/App.h"
#include "app/FileTypes.h"
#include "app/IconPicture.h"
#include "app/Menu.h"
#include "framework/EventDelivery.h"
#include "framework/Window.h"
#include "preferences/CommonPreferencesModule.h"
#include "preferences/PreferencesModule.h"
#include "windows/AboutWindowMetalPicture.h"

#include <utility>

namespace keyhop {

namespace {

void initFileTypes() {
    FileTypes::initialize();
}

App& newAppInstance() {
    auto created = std::make_unique<App>();
    App& application = *created;
    application.setMenuBar(Menu::get());
    framework::Application::registerAppObject(std::move(created));
    return application;
}

} // namespace

void initializeModuleGlobals() {
    PreferencesModule::shortcutsList = std::make_unique<ShortcutTable>();
}

void applicationAddMenuHandlers() {
    const std::pair<const char*, bool (App::*)()> bindings[] = {
        {"HelpDocumentation", &App::HelpDocumentation_Action},
        {"HelpTranslate", &App::HelpTranslate_Action},
        {"AppleAbout", &App::AppleAbout_Action},
        {"AppleQuit", &App::AppleQuit_Action},
        {"ApplePreferences", &App::ApplePreferences_Action},
        {"HelpContact", &App::HelpContact_Action},
        {"HelpWebsite", &App::HelpWebsite_Action},
    };
    App& application = app();
    for (const auto& [name, handler] : bindings) {
        application.AddMenuHandler(name,
                                   [&application, handler] { return (application.*handler)(); });
    }
}

int runMain() {
    // The extension library is linked in, so it has nothing to bind here.
    try {
        initFileTypes();
        App& application = newAppInstance();
        applicationAddMenuHandlers();
        return application.run();
    } catch (...) {
        framework::reportUnhandledException();
        return 1;
    }
}

void finalizeModuleGlobals() {
    IconPicture.release();
    AboutWindowMetalPicture.release();
    framework::Window::releaseAll();
    FileTypes::pAny.reset();
    Menu::release();
    CommonPreferencesModule::dictionary_.reset();
    PreferencesModule::shortcutsList.reset();
}

} // namespace keyhop
