// Extensions of the application object.

#include "plugin/ApplicationExtensions.h"

#include "framework/PlatformServices.h"

#include <QCoreApplication>

namespace plugin {

std::string ApplicationNameMBS(const framework::Application&) {
    // The framework names the application once, at start-up.
    return QCoreApplication::applicationName().toStdString();
}

std::string ApplicationCreatorCodeMBS(const framework::Application&) {
    return KEYHOP_CREATOR_CODE;
}

void setFrontmostMBS(framework::Application&, bool frontmost) {
    if (frontmost) {
        framework::platform().bringApplicationToFront();
    }
}

} // namespace plugin
