// The key/value store: every line rule of the reader and the defaults of the getters.

#include "preferences/CommonPreferencesModule.h"
#include "support/ConfigHome.h"

#include <gtest/gtest.h>

namespace {

using namespace keyhop::CommonPreferencesModule;
using keyhop::test::ConfigHome;

class CommonPreferencesTest : public testing::Test {
  protected:
    void SetUp() override { dictionary_.reset(); }
    void TearDown() override { dictionary_.reset(); }

    void load(const std::string& content) {
        keyhop::test::writeFile(home.preferencesFile(), content);
        loadFile(framework::FolderItem(home.preferencesFile().string()));
    }

    ConfigHome home;
};

TEST_F(CommonPreferencesTest, KeysAndValuesAreSplitAtTheFirstEqualsSignAndTrimmed) {
    load("A=1\n"
         "  B  =  2  \n"
         "C = a = b\n"
         "D=x=y\n"
         "\tE\t=\tTab\t\n"
         "= only a value \n"
         "FILENAME0 = Mon Programme (été)\n");
    EXPECT_TRUE(isFileLoaded());
    EXPECT_EQ(getStringOfVariable("A"), "1");
    EXPECT_EQ(getStringOfVariable("B"), "2");
    EXPECT_EQ(getStringOfVariable("C"), "a = b");
    EXPECT_EQ(getStringOfVariable("D"), "x=y");
    EXPECT_EQ(getStringOfVariable("E"), "Tab");
    EXPECT_EQ(getStringOfVariable(""), "only a value");
    EXPECT_EQ(getStringOfVariable("FILENAME0"), "Mon Programme (été)");
}

TEST_F(CommonPreferencesTest, EmptyValuesAreStoredButNotDefined) {
    load("EMPTY=\nBLANK = \nSPACES =    \n");
    for (const char* key : {"EMPTY", "BLANK", "SPACES"}) {
        EXPECT_FALSE(isValueOfVariableDefined(key)) << key;
        EXPECT_EQ(getStringOfVariable(key), "") << key;
        EXPECT_EQ(getDoubleOfVariable(key), 0.0) << key;
    }
    EXPECT_EQ(dictionary_->count("EMPTY"), 1U);
}

TEST_F(CommonPreferencesTest, CommentAndEmptyLinesAreSkippedOnlyAsRead) {
    load("# A = 1\n"
         "\n"
         " # B = 2\n"
         "#\n"
         "   \n"
         "C = 3\n");
    EXPECT_TRUE(isFileLoaded());
    EXPECT_FALSE(isValueOfVariableDefined("# A"));
    EXPECT_FALSE(isValueOfVariableDefined("A"));
    // A blank before the "#" makes it an ordinary line.
    EXPECT_EQ(getStringOfVariable("# B"), "2");
    // A line of blanks has no "=": the empty key with an empty value.
    EXPECT_EQ(dictionary_->count(""), 1U);
    EXPECT_EQ(getStringOfVariable("C"), "3");
}

TEST_F(CommonPreferencesTest, ALineWithoutEqualsSignGoesUnderTheEmptyKey) {
    load("no equals sign here  \n");
    EXPECT_EQ(getStringOfVariable(""), "no equals sign here");
}

TEST_F(CommonPreferencesTest, TheLaterOfTwoLinesWins) {
    load("A = first\nA = second\nB = kept\nB =\n");
    EXPECT_EQ(getStringOfVariable("A"), "second");
    EXPECT_FALSE(isValueOfVariableDefined("B"));
}

TEST_F(CommonPreferencesTest, AnEmptyFileLoadsWithNoKey) {
    load("");
    EXPECT_TRUE(isFileLoaded());
    ASSERT_TRUE(dictionary_);
    EXPECT_TRUE(dictionary_->empty());
}

TEST_F(CommonPreferencesTest, OnlyTrueIsTrue) {
    load("T = True\nF = False\nE =\nY = yes\nL = true\nP = True!\n");
    EXPECT_TRUE(getBooleanOfVariable("T"));
    for (const char* key : {"F", "E", "Y", "L", "P", "MISSING"}) {
        EXPECT_FALSE(getBooleanOfVariable(key)) << key;
    }
}

TEST_F(CommonPreferencesTest, BooleansReadBackAsWritten) {
    EXPECT_EQ(getStringFromBoolean(true), "True");
    EXPECT_EQ(getStringFromBoolean(false), "False");
    load("ON = " + getStringFromBoolean(true) + "\nOFF = " + getStringFromBoolean(false) + "\n");
    EXPECT_TRUE(getBooleanOfVariable("ON"));
    EXPECT_FALSE(getBooleanOfVariable("OFF"));
}

TEST_F(CommonPreferencesTest, Numbers) {
    load("MINUS = -1\nBIG = 2147483647\nWORD = wide\n");
    EXPECT_EQ(getDoubleOfVariable("MINUS"), -1.0);
    EXPECT_EQ(getDoubleOfVariable("BIG"), 2147483647.0);
    EXPECT_EQ(getDoubleOfVariable("WORD"), 0.0);
    EXPECT_EQ(getDoubleOfVariable("MISSING"), 0.0);
}

TEST_F(CommonPreferencesTest, WithoutADictionaryEveryGetterGivesItsDefault) {
    loadFile(std::nullopt);
    EXPECT_FALSE(isFileLoaded());
    EXPECT_FALSE(dictionary_);
    EXPECT_FALSE(isValueOfVariableDefined("A"));
    EXPECT_EQ(getStringOfVariable("A"), "");
    EXPECT_FALSE(getBooleanOfVariable("A"));
    EXPECT_EQ(getDoubleOfVariable("A"), 0.0);
}

TEST_F(CommonPreferencesTest, AFailedLoadKeepsTheKeysOfAnEarlierOne) {
    load("A = 1\n");
    loadFile(framework::FolderItem((home.root() / "missing").string()));
    EXPECT_FALSE(isFileLoaded());
    EXPECT_EQ(getStringOfVariable("A"), "1");

    // A folder exists but cannot be read as a text file.
    load("B = 2\n");
    loadFile(framework::FolderItem(home.config().string()));
    EXPECT_FALSE(isFileLoaded());
    EXPECT_EQ(getStringOfVariable("A"), "1");
    EXPECT_EQ(getStringOfVariable("B"), "2");
}

} // namespace
