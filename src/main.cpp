// Keyhop: opens applications, documents and folders from function-key shortcuts.

#include "app/Startup.h"
#include "framework/Runtime.h"

int main(int argc, char** argv) {
    const framework::Runtime runtime(argc, argv);
    keyhop::initializeModuleGlobals();
    const int status = keyhop::runMain();
    keyhop::finalizeModuleGlobals();
    return status;
}
