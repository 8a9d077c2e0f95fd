// Localized texts: the translation file of the user's language, else the
// default; each text of the menus, the launcher and the update check is
// looked up by its own key (their English texts show where they are used).

#include "app/CommonMenuModule.h"
#include "app/MenuModule.h"
#include "framework/System.h"
#include "shortcuts/MainTimer.h"
#include "support/TranslationFolder.h"
#include "update/CheckForUpdateThread.h"

#include <gtest/gtest.h>

namespace {

using namespace keyhop;

std::string lookup(const std::string& key, const std::string& defaultText) {
    framework::System::reloadTranslations();
    return framework::System::GetLocalizedString(key, defaultText);
}

TEST(LocalizedText, TheMostSpecificLanguageIsReadLineByLineAndMissingKeysFallBack) {
    const test::TranslationFolder folder;
    folder.write("pt", "# Português\r"
                       "Quit = Sair\n"
                       "  About=Sobre...  \r\n"
                       "Empty =\n"
                       "not a line\n"
                       "Escapes = one\\r\\rtwo\\\\n \\q\n");
    folder.write("pt_BR", "\xEF\xBB\xBF"
                          "Quit = Fechar\n");
    folder.write("fr", "Quit = Quitter\n");
    ::setenv("LANG", "pt_BR.UTF-8", 1);
    EXPECT_EQ(lookup("Quit", "Quit"), "Fechar");
    EXPECT_EQ(lookup("About", "About..."), "About...");
    ::setenv("LANG", "pt_PT", 1);
    EXPECT_EQ(lookup("Quit", "Quit"), "Sair");
    EXPECT_EQ(lookup("About", "About..."), "Sobre...");
    EXPECT_EQ(lookup("Empty", "Shortcuts:"), "");
    EXPECT_EQ(lookup("Edit", "Edit"), "Edit");
    EXPECT_EQ(lookup("Escapes", ""), "one\r\rtwo\\n \\q");
    ::setenv("LC_MESSAGES", "fr_FR@euro", 1);
    EXPECT_EQ(lookup("Quit", "Quit"), "Quitter");
    ::setenv("LC_ALL", "C", 1);
    EXPECT_EQ(lookup("Quit", "Quit"), "Quit");
}

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
