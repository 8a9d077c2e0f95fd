// Extensions of the application object.

#include "plugin/ApplicationExtensions.h"

#include "framework/PlatformServices.h"

namespace plugin {

std::string ApplicationNameMBS(const framework::Application&) {
    return KEYHOP_APPLICATION_NAME;
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
