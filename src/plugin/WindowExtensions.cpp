// Window transparency as the X server's window opacity.

#include "plugin/WindowExtensions.h"

#include "framework/Window.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <algorithm>

namespace plugin {

void SetTransparencyMBS(framework::Window& window, int value) {
    constexpr double invisible = 255.0;
    window.widget().setWindowOpacity(1.0 - std::clamp(value, 0, 255) / invisible);
    // Qt sends the opacity when it next waits for events; a fade step that
    // waited would reach the compositor late or merged with the next one.
    if (const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
        xcb_flush(x11->connection());
    }
}

} // namespace plugin
