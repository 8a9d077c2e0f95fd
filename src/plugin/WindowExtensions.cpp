// Window transparency as the X server's window opacity.

#include "plugin/WindowExtensions.h"

#include "framework/Window.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <algorithm>

namespace plugin {

void SetTransparencyMBS(framework::Window& window, int value) {
    constexpr int invisible = 255;
    // Written as a share of 255 so that Qt, which keeps opacity in 255ths,
    // keeps exactly this step.
    window.widget().setWindowOpacity((invisible - std::clamp(value, 0, invisible)) /
                                     static_cast<double>(invisible));
    // Qt sends the opacity when it next waits for events; a fade step that
    // waited would reach the compositor late or merged with the next one.
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr) {
        xcb_flush(connection);
    }
}

} // namespace plugin
