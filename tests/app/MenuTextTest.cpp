// The menu texts: their keys and English defaults, and a translation in their place.

#include "app/CommonMenuModule.h"
#include "app/MenuModule.h"
#include "framework/System.h"
#include "support/TranslationFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

namespace {

using namespace keyhop;

struct Text {
    std::string (*getter)();
    const char* key;
    const char* english;
};

const Text texts[] = {
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
};

class MenuTextTest : public testing::Test {
  protected:
    void SetUp() override { ::setenv("LC_ALL", "xx_YY.UTF-8", 1); }
    keyhop::test::TranslationFolder folder;
};

TEST_F(MenuTextTest, WithoutTranslationsEveryTextIsItsEnglishDefault) {
    framework::System::reloadTranslations();
    for (const auto& text : texts) {
        EXPECT_EQ(text.getter(), text.english) << text.key;
    }
}

TEST_F(MenuTextTest, EachTextIsLookedUpByItsOwnKey) {
    std::ostringstream file;
    for (const auto& text : texts) {
        file << text.key << " = [" << text.english << "]\n";
    }
    folder.write("xx", file.str());
    framework::System::reloadTranslations();
    for (const auto& text : texts) {
        EXPECT_EQ(text.getter(), std::string("[") + text.english + "]") << text.key;
    }
}

} // namespace
