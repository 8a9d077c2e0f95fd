#pragma once
// The generic texts of the menu bar and of the About, Preferences and Quit commands.

#include <string>

namespace keyhop::CommonMenuModule {

std::string AppleAboutText();
std::string ApplePreferencesText();
std::string AppleQuitText();
std::string EditClearText();
std::string EditCopyText();
std::string EditCutText();
std::string EditPasteText();
std::string EditText();
std::string HelpDocumentationText();
std::string HelpTranslateText();
std::string HelpText();
std::string HelpWebsiteText();
std::string HelpContactText();

} // namespace keyhop::CommonMenuModule
