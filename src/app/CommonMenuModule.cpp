// The generic texts of the menu bar and of the About, Preferences and Quit commands.

#include "app/CommonMenuModule.h"

#include "framework/System.h"

namespace keyhop::CommonMenuModule {

std::string AppleAboutText() {
    return framework::System::GetLocalizedString("CommonMenuModule.AppleAboutText", "About...");
}

std::string ApplePreferencesText() {
    return framework::System::GetLocalizedString("CommonMenuModule.ApplePreferencesText",
                                                 "Preferences...");
}

std::string AppleQuitText() {
    return framework::System::GetLocalizedString("CommonMenuModule.AppleQuitText", "Quit");
}

std::string EditClearText() {
    return framework::System::GetLocalizedString("CommonMenuModule.EditClearText", "Clear");
}

std::string EditCopyText() {
    return framework::System::GetLocalizedString("CommonMenuModule.EditCopyText", "Copy");
}

std::string EditCutText() {
    return framework::System::GetLocalizedString("CommonMenuModule.EditCutText", "Cut");
}

std::string EditPasteText() {
    return framework::System::GetLocalizedString("CommonMenuModule.EditPasteText", "Paste");
}

std::string EditText() {
    return framework::System::GetLocalizedString("CommonMenuModule.EditText", "Edit");
}

std::string HelpDocumentationText() {
    return framework::System::GetLocalizedString("CommonMenuModule.HelpDocumentationText",
                                                 "Read the documentation...");
}

std::string HelpTranslateText() {
    return framework::System::GetLocalizedString("CommonMenuModule.HelpTranslateText",
                                                 "Translate into another language...");
}

std::string HelpText() {
    return framework::System::GetLocalizedString("CommonMenuModule.HelpText", "Help");
}

std::string HelpWebsiteText() {
    return framework::System::GetLocalizedString("CommonMenuModule.HelpWebsiteText",
                                                 "Go to the website...");
}

std::string HelpContactText() {
    return framework::System::GetLocalizedString("CommonMenuModule.HelpContactText",
                                                 "Contact us...");
}

} // namespace keyhop::CommonMenuModule
