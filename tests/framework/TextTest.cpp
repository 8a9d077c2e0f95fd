// Placeholders are filled in once, and the inserted text is never searched again.

#include "framework/Text.h"

#include <gtest/gtest.h>

namespace {

using framework::Replace;

TEST(Replace, ReplacesTheFirstOccurrenceOnly) {
    EXPECT_EQ(Replace("%A% and %A%", "%A%", "x"), "x and %A%");
    EXPECT_EQ(Replace("no placeholder", "%A%", "x"), "no placeholder");
    EXPECT_EQ(Replace("", "%A%", "x"), "");
    EXPECT_EQ(Replace("abc", "", "x"), "abc");
}

TEST(Replace, InsertedTextIsNotReplacedAgain) {
    EXPECT_EQ(Replace("The file \"%FILEABSOLUTEPATH%\" could not be found.", "%FILEABSOLUTEPATH%",
                      "/tmp/%FILEABSOLUTEPATH%"),
              "The file \"/tmp/%FILEABSOLUTEPATH%\" could not be found.");
}

TEST(Replace, WorksOnUtf8Text) {
    EXPECT_EQ(Replace("Öffne %P% jetzt", "%P%", "/home/jürgen/Ärger"),
              "Öffne /home/jürgen/Ärger jetzt");
}

TEST(Str, GivesDecimal) {
    EXPECT_EQ(framework::Str(0), "0");
    EXPECT_EQ(framework::Str(-17), "-17");
    EXPECT_EQ(framework::Str(2147483647), "2147483647");
}

TEST(ReplaceAll, ReplacesEveryOccurrenceLeftToRight) {
    EXPECT_EQ(framework::ReplaceAll(" Key  Hop ", " ", ""), "KeyHop");
    EXPECT_EQ(framework::ReplaceAll("aaa", "aa", "a"), "aa");
    EXPECT_EQ(framework::ReplaceAll("abc", "", "x"), "abc");
}

TEST(Lowercase, LowersEveryLetter) {
    EXPECT_EQ(framework::Lowercase("KeyHop 2"), "keyhop 2");
    EXPECT_EQ(framework::Lowercase("ÄRGER"), "ärger");
}

} // namespace
