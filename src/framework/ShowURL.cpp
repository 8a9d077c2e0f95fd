// Opening a web page, through the platform services.

#include "framework/ShowURL.h"

#include "framework/PlatformServices.h"

namespace framework {

void ShowURL(const std::string& url) {
    platform().openURL(url);
}

} // namespace framework
