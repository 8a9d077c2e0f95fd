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

TEST(Trim, RemovesWhiteSpaceAtBothEndsOnly) {
    EXPECT_EQ(framework::Trim("  a b \t\r\n"), "a b");
    EXPECT_EQ(framework::Trim("\v\fx\f"), "x");
    EXPECT_EQ(framework::Trim(" \t "), "");
    EXPECT_EQ(framework::Trim(""), "");
    EXPECT_EQ(framework::Trim("\xC2\xA0x"), "\xC2\xA0x");
}

TEST(CDbl, ReadsTheLeadingDecimalNumber) {
    using framework::CDbl;
    EXPECT_EQ(CDbl("-1"), -1.0);
    EXPECT_EQ(CDbl("  42 "), 42.0);
    EXPECT_EQ(CDbl("+2.5"), 2.5);
    EXPECT_EQ(CDbl("3e2"), 300.0);
    EXPECT_EQ(CDbl("12px"), 12.0);
    for (const char* text :
         {"", "abc", "+", "+-1", "--1", "nan", "inf", "-infinity", "1e999", "0x10"}) {
        EXPECT_EQ(CDbl(text), 0.0) << text;
    }
}

} // namespace
