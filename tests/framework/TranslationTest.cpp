// Localized texts: the translation file of the user's language, else the default.

#include "framework/System.h"
#include "support/TranslationFolder.h"

#include <gtest/gtest.h>

namespace {

std::string lookup(const std::string& key, const std::string& defaultText) {
    framework::System::reloadTranslations();
    return framework::System::GetLocalizedString(key, defaultText);
}

TEST(Translation, TheMostSpecificLanguageIsReadLineByLineAndMissingKeysFallBack) {
    const keyhop::test::TranslationFolder folder;
    folder.write("pt", "# Português\n"
                       "Quit = Sair\n"
                       "  About=Sobre...  \r\n"
                       "Empty =\n"
                       "not a line\n"
                       "Escapes = one\\r\\rtwo\\\\n \\q\n");
    folder.write("pt_BR", "Quit = Fechar\n");
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

} // namespace
