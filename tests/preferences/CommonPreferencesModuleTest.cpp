// The key/value store's line rules, beyond what the preferences file's tests show.

#include "preferences/CommonPreferencesModule.h"
#include "support/ConfigHome.h"

#include <gtest/gtest.h>

namespace {

using namespace keyhop::CommonPreferencesModule;

TEST(CommonPreferences, LinesAreSplitAtTheFirstEqualsSignTrimmedAndTheLastWins) {
    const keyhop::test::ConfigHome home;
    keyhop::test::writeFile(home.preferencesFile(),
                            "  A  =\ta = b\t\n# B = 1\n #C = 2\n\n   \nno equals sign \n"
                            "D = first\nD = second\nE = True\nF = true\nG = yes\nH = \n");
    loadFile(framework::FolderItem(home.preferencesFile().string()));
    EXPECT_TRUE(isFileLoaded());
    const std::pair<const char*, const char*> values[] = {{"A", "a = b"},  {"# B", ""},
                                                          {"#C", "2"},     {"", "no equals sign"},
                                                          {"D", "second"}, {"H", ""}};
    for (const auto& [key, value] : values) {
        EXPECT_EQ(getStringOfVariable(key), value) << key;
        EXPECT_EQ(isValueOfVariableDefined(key), *value != '\0') << key;
    }
    EXPECT_TRUE(getBooleanOfVariable("E"));
    EXPECT_FALSE(getBooleanOfVariable("F") || getBooleanOfVariable("G"));
    dictionary_.reset();
}

} // namespace
