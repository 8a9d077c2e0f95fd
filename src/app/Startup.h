#pragma once
// The fixed order in which Keyhop starts and ends, between the framework's
// set-up and its shut-down.

namespace keyhop {

// Gives the module globals their first values.
void initializeModuleGlobals();

// Registers the file types, makes the application object and runs the event
// loop until the quit. Returns the exit status.
int runMain();

// Binds the application object's menu handlers to the menu items' names.
void applicationAddMenuHandlers();

// Releases the module globals, in their fixed order.
void finalizeModuleGlobals();

} // namespace keyhop
