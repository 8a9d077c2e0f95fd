// Localized texts: the translation file of the user's language, else the default.

#include "framework/System.h"
#include "support/TranslationFolder.h"

#include <gtest/gtest.h>

namespace {

std::string lookup(const std::string& key, const std::string& defaultText) {
    framework::System::reloadTranslations();
    return framework::System::GetLocalizedString(key, defaultText);
}

TEST(Translation, TheUsersLanguageIsReadLineByLineAndMissingKeysFallBack) {
    const keyhop::test::TranslationFolder folder;
    folder.write("de", "# Deutsch\n"
                       "CommonMenuModule.AppleAboutText = Über...\n"
                       "  CommonMenuModule.AppleQuitText=Beenden  \r\n"
                       "MenuModule.Empty =\n"
                       "not a line\n"
                       "Escapes = one\\r\\rtwo\\\\n \\q\n");
    ::setenv("LANG", "de_DE.UTF-8", 1);
    EXPECT_EQ(lookup("CommonMenuModule.AppleAboutText", "About..."), "Über...");
    EXPECT_EQ(lookup("CommonMenuModule.AppleQuitText", "Quit"), "Beenden");
    EXPECT_EQ(lookup("MenuModule.Empty", "Shortcuts:"), "");
    EXPECT_EQ(lookup("CommonMenuModule.EditText", "Edit"), "Edit");
    EXPECT_EQ(lookup("Escapes", ""), "one\r\rtwo\\n \\q");
}

TEST(Translation, TheMostSpecificLanguageAndVariableWin) {
    const keyhop::test::TranslationFolder folder;
    folder.write("pt", "K = português\n");
    folder.write("pt_BR", "K = brasileiro\n");
    folder.write("fr", "K = français\n");
    ::setenv("LANG", "pt_BR.UTF-8", 1);
    EXPECT_EQ(lookup("K", "default"), "brasileiro");
    ::setenv("LANG", "pt_PT", 1);
    EXPECT_EQ(lookup("K", "default"), "português");
    ::setenv("LC_MESSAGES", "fr_FR@euro", 1);
    EXPECT_EQ(lookup("K", "default"), "français");
    ::setenv("LC_ALL", "C", 1);
    EXPECT_EQ(lookup("K", "default"), "default");
}

} // namespace
