// The application object.

#include "app/App.h"

#include "framework/Messages.h"
#include "framework/RuntimeException.h"
#include "framework/Text.h"
#include "plugin/ApplicationExtensions.h"
#include "preferences/PreferencesModule.h"

#include <algorithm>
#include <vector>

namespace keyhop {

void App::Event_Open() {
    PreferencesModule::loadPreferences();
}

void App::Event_Close() {
    PreferencesModule::savePreferences();
}

bool App::Event_HandleAppleEvent(const framework::AppleEvent&, const std::string& eventClass,
                                 const std::string& eventID) {
    if (eventClass == "aevt" && eventID == "quit") {
        quitApplication();
        return true;
    }
    return false;
}

bool App::Event_UnhandledException(const framework::RuntimeException* error) {
    std::vector<std::string> lines{"Unhandled exception"};
    if (error != nullptr) {
        lines.push_back("Number: " + framework::Str(error->ErrorNumber()));
        if (!error->Message().empty()) {
            lines.push_back("Message: " + error->Message());
        }
        const auto& stack = error->Stack();
        const int lastShown = std::min(3, static_cast<int>(stack.size()) - 1);
        for (int i = 0; i <= lastShown; ++i) {
            lines.push_back((i == 0 ? "Stack: " : "- ") + stack[static_cast<std::size_t>(i)]);
        }
    }
    std::string report = lines.front();
    for (std::size_t i = 1; i < lines.size(); ++i) {
        report += framework::EndOfLine() + lines[i];
    }
    displayMessage(report);
    return true;
}

void App::displayMessage(const std::string& text) {
    plugin::setFrontmostMBS(*this, true);
    framework::Beep();
    framework::MsgBox(text);
}

void App::quitApplication() {
    Quit(0);
}

App& app() {
    return static_cast<App&>(*framework::Application::current());
}

} // namespace keyhop
