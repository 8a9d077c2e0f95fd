// Keyhop: opens applications, documents and folders from function-key shortcuts.

#include "app/Startup.h"
#include "framework/Runtime.h"
#include "framework/SingleInstance.h"

int main(int argc, char** argv) {
    const framework::Runtime runtime(argc, argv);
    // A second start only brings the running Keyhop to the front.
    const framework::SingleInstance instance;
    if (!instance.first()) {
        return 0;
    }
    keyhop::initializeModuleGlobals();
    const int status = keyhop::runMain();
    keyhop::finalizeModuleGlobals();
    return status;
}
