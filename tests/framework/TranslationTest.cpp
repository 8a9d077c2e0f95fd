// Localized texts: the translation file of the user's language, else the default.

#include "framework/System.h"
#include "framework/TranslationTable.h"
#include "support/TranslationFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class TranslationTest : public testing::Test {
  protected:
    void writeTranslation(const std::string& language, const std::string& content) {
        folder_.write(language, content);
    }
    static std::string lookup(const std::string& key, const std::string& defaultText) {
        framework::System::reloadTranslations();
        return framework::System::GetLocalizedString(key, defaultText);
    }

  private:
    keyhop::test::TranslationFolder folder_;
};

TEST_F(TranslationTest, WithoutATranslationEveryKeyGivesItsDefault) {
    ::setenv("LANG", "de_DE.UTF-8", 1);
    EXPECT_EQ(lookup("CommonMenuModule.AppleAboutText", "About..."), "About...");
    EXPECT_EQ(lookup("Some.Key", ""), "");
}

TEST_F(TranslationTest, TheUsersLanguageIsTranslatedAndMissingKeysFallBack) {
    writeTranslation("de", "# Deutsch\n"
                           "CommonMenuModule.AppleAboutText = Über...\n"
                           "  CommonMenuModule.AppleQuitText=Beenden  \r\n"
                           "MenuModule.Empty =\n"
                           "not a line\n");
    ::setenv("LANG", "de_DE.UTF-8", 1);
    EXPECT_EQ(lookup("CommonMenuModule.AppleAboutText", "About..."), "Über...");
    EXPECT_EQ(lookup("CommonMenuModule.AppleQuitText", "Quit"), "Beenden");
    EXPECT_EQ(lookup("MenuModule.Empty", "Shortcuts:"), "");
    EXPECT_EQ(lookup("CommonMenuModule.EditText", "Edit"), "Edit");
}

TEST_F(TranslationTest, TheMostSpecificLanguageAndVariableWin) {
    writeTranslation("pt", "K = português\n");
    writeTranslation("pt_BR", "K = brasileiro\n");
    writeTranslation("fr", "K = français\n");
    ::setenv("LANG", "pt_BR.UTF-8", 1);
    EXPECT_EQ(lookup("K", "default"), "brasileiro");
    ::setenv("LANG", "pt_PT", 1);
    EXPECT_EQ(lookup("K", "default"), "português");
    ::setenv("LC_MESSAGES", "fr_FR@euro", 1);
    EXPECT_EQ(lookup("K", "default"), "français");
    ::setenv("LC_ALL", "C", 1);
    EXPECT_EQ(lookup("K", "default"), "default");
}

TEST_F(TranslationTest, EscapesInValuesGiveLineBreaks) {
    writeTranslation("en", "K = one\\r\\rtwo\\\\n \\q\n");
    ::setenv("LANG", "en_GB", 1);
    EXPECT_EQ(lookup("K", ""), "one\r\rtwo\\n \\q");
}

TEST_F(TranslationTest, AnUnreadableFileGivesNoTranslations) {
    EXPECT_FALSE(framework::TranslationTable::fromFile("/nonexistent/x.txt").lookup("K"));
}

} // namespace
