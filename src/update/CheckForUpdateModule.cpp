// Starting the update check.

#include "update/CheckForUpdateModule.h"

#include "preferences/PreferencesModule.h"
#include "update/CheckForUpdateThread.h"

#include <memory>

namespace keyhop::CheckForUpdateModule {

void checkForUpdate() {
    if (!PreferencesModule::checkForUpdate) {
        return;
    }
    // The running thread owns itself; nothing here waits for it.
    std::make_shared<CheckForUpdateThread>()->Run();
}

} // namespace keyhop::CheckForUpdateModule
