// Every localized text of the menus, the launcher and the update check: its
// English default, and a translation looked up by its own key.

#include "app/CommonMenuModule.h"
#include "app/MenuModule.h"
#include "framework/System.h"
#include "shortcuts/MainTimer.h"
#include "support/TranslationFolder.h"
#include "update/CheckForUpdateThread.h"

#include <gtest/gtest.h>

namespace {

using namespace keyhop;

const std::tuple<std::string (*)(), const char*, const char*> texts[] = {
    {CommonMenuModule::AppleAboutText, "CommonMenuModule.AppleAboutText", "About..."},
    {CommonMenuModule::ApplePreferencesText, "CommonMenuModule.ApplePreferencesText",
     "Preferences..."},
    {CommonMenuModule::AppleQuitText, "CommonMenuModule.AppleQuitText", "Quit"},
    {CommonMenuModule::EditClearText, "CommonMenuModule.EditClearText", "Clear"},
    {CommonMenuModule::EditCopyText, "CommonMenuModule.EditCopyText", "Copy"},
    {CommonMenuModule::EditCutText, "CommonMenuModule.EditCutText", "Cut"},
    {CommonMenuModule::EditPasteText, "CommonMenuModule.EditPasteText", "Paste"},
    {CommonMenuModule::EditText, "CommonMenuModule.EditText", "Edit"},
    {CommonMenuModule::HelpDocumentationText, "CommonMenuModule.HelpDocumentationText",
     "Read the documentation..."},
    {CommonMenuModule::HelpTranslateText, "CommonMenuModule.HelpTranslateText",
     "Translate into another language..."},
    {CommonMenuModule::HelpText, "CommonMenuModule.HelpText", "Help"},
    {CommonMenuModule::HelpWebsiteText, "CommonMenuModule.HelpWebsiteText", "Go to the website..."},
    {CommonMenuModule::HelpContactText, "CommonMenuModule.HelpContactText", "Contact us..."},
    {MenuModule::ShortcutsMessage, "MenuModule.ShortcutsMessage", "Shortcuts:"},
    {MainTimer::FileNotFoundMessage, "MainTimer.FileNotFoundMessage",
     "The file \"%FILEABSOLUTEPATH%\" could not be found."},
    {CheckForUpdateThread::NewVersionAvailableMessage,
     "CheckForUpdateThread.NewVersionAvailableMessage",
     "Update notification\r\rA new version of %APPLICATIONNAME% is available online.\r"
     "You can download it right now from our website."},
};

TEST(LocalizedText, IsTheEnglishDefaultUntilItsOwnKeyIsTranslated) {
    const test::TranslationFolder folder;
    ::setenv("LC_ALL", "xx_YY.UTF-8", 1);
    framework::System::reloadTranslations();
    std::string translation;
    for (const auto& [getter, key, english] : texts) {
        EXPECT_EQ(getter(), english) << key;
        translation += std::string(key) + " = <" + key + ">\n";
    }
    folder.write("xx", translation);
    framework::System::reloadTranslations();
    for (const auto& [getter, key, english] : texts) {
        EXPECT_EQ(getter(), std::string("<") + key + ">");
    }
}

} // namespace
