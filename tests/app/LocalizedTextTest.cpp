// The localized texts of the menus, the launcher and the update check are
// each looked up by their own key (their English texts show in the tests of
// where they are used).

#include "app/CommonMenuModule.h"
#include "app/MenuModule.h"
#include "framework/System.h"
#include "shortcuts/MainTimer.h"
#include "support/TranslationFolder.h"
#include "update/CheckForUpdateThread.h"

#include <gtest/gtest.h>

namespace {

using namespace keyhop;

TEST(LocalizedText, EachTextIsLookedUpByItsOwnKey) {
    const std::pair<std::string (*)(), std::string> texts[] = {
        {CommonMenuModule::AppleAboutText, "CommonMenuModule.AppleAboutText"},
        {CommonMenuModule::ApplePreferencesText, "CommonMenuModule.ApplePreferencesText"},
        {CommonMenuModule::AppleQuitText, "CommonMenuModule.AppleQuitText"},
        {CommonMenuModule::EditClearText, "CommonMenuModule.EditClearText"},
        {CommonMenuModule::EditCopyText, "CommonMenuModule.EditCopyText"},
        {CommonMenuModule::EditCutText, "CommonMenuModule.EditCutText"},
        {CommonMenuModule::EditPasteText, "CommonMenuModule.EditPasteText"},
        {CommonMenuModule::EditText, "CommonMenuModule.EditText"},
        {CommonMenuModule::HelpDocumentationText, "CommonMenuModule.HelpDocumentationText"},
        {CommonMenuModule::HelpTranslateText, "CommonMenuModule.HelpTranslateText"},
        {CommonMenuModule::HelpText, "CommonMenuModule.HelpText"},
        {CommonMenuModule::HelpWebsiteText, "CommonMenuModule.HelpWebsiteText"},
        {CommonMenuModule::HelpContactText, "CommonMenuModule.HelpContactText"},
        {MenuModule::ShortcutsMessage, "MenuModule.ShortcutsMessage"},
        {MainTimer::FileNotFoundMessage, "MainTimer.FileNotFoundMessage"},
        {CheckForUpdateThread::NewVersionAvailableMessage,
         "CheckForUpdateThread.NewVersionAvailableMessage"},
    };
    const test::TranslationFolder folder;
    std::string translation;
    for (const auto& [getter, key] : texts) {
        translation += key + " = <" + key + ">\n";
    }
    folder.write("xx", translation);
    ::setenv("LC_ALL", "xx_YY.UTF-8", 1);
    framework::System::reloadTranslations();
    for (const auto& [getter, key] : texts) {
        EXPECT_EQ(getter(), "<" + key + ">");
    }
}

} // namespace
