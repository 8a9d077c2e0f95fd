// Screens, as the platform services see them.

#include "framework/Screen.h"

#include "framework/PlatformServices.h"

namespace framework {

Screen::Screen(int index) {
    const ScreenSize size = platform().screenSize(index);
    width_ = size.width;
    height_ = size.height;
}

} // namespace framework
