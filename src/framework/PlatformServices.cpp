// Which platform services are in force.

#include "framework/PlatformServices.h"

#include "framework/QtPlatformServices.h"

#include <memory>

namespace framework {

namespace {

PlatformServices* replacement = nullptr;

} // namespace

PlatformServices& platform() {
    // Never destroyed: the process may end from inside the event loop with
    // the X server gone, and closing the keyboard's connection then would
    // end it a second time (Xlib exits on a broken connection).
    static QtPlatformServices& real = *std::make_unique<QtPlatformServices>().release();
    return replacement != nullptr ? *replacement : real;
}

void usePlatformServices(PlatformServices* services) {
    replacement = services;
}

} // namespace framework
