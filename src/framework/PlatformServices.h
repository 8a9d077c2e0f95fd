#pragma once
// Everything that leaves the process and that a test cannot reach for real
// goes through these services. Production uses the real ones; a test puts
// its doubles in place with one call to usePlatformServices.

#include <string>

namespace framework {

class PlatformServices {
  public:
    virtual ~PlatformServices() = default;

    // A modal message box; returns once the user has dismissed it.
    virtual void showMessageBox(const std::string& text) = 0;
    virtual void beep() = 0;
    // Raises and activates the application's windows.
    virtual void bringApplicationToFront() = 0;
};

// The services in force: the real ones unless a test replaced them.
PlatformServices& platform();

// Puts other services in place; nullptr restores the real ones. The caller
// keeps ownership and must keep them alive while they are in place.
void usePlatformServices(PlatformServices* services);

} // namespace framework
