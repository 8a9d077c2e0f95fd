// Which platform services are in force.

#include "framework/PlatformServices.h"

#include "framework/QtPlatformServices.h"

namespace framework {

namespace {

PlatformServices* replacement = nullptr;

} // namespace

PlatformServices& platform() {
    static QtPlatformServices real;
    return replacement != nullptr ? *replacement : real;
}

void usePlatformServices(PlatformServices* services) {
    replacement = services;
}

} // namespace framework
