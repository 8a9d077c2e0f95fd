#pragma once
// The update check at launch, when the user has switched it on.

namespace keyhop::CheckForUpdateModule {

// Starts the check on its own thread when PreferencesModule::checkForUpdate
// is on; returns at once and keeps nothing of the thread.
void checkForUpdate();

} // namespace keyhop::CheckForUpdateModule
