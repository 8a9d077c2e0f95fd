// Placeholders are filled in once; numbers read from text are finite.

#include "framework/Text.h"

#include <gtest/gtest.h>

namespace {

TEST(Replace, ReplacesTheFirstOccurrenceOnlyAndNeverTheInsertedText) {
    using framework::Replace;
    EXPECT_EQ(Replace("%A% and %A%", "%A%", "x"), "x and %A%");
    EXPECT_EQ(Replace("no placeholder", "%A%", "x"), "no placeholder");
    EXPECT_EQ(Replace("abc", "", "x"), "abc");
    EXPECT_EQ(Replace("Öffne \"%P%\"", "%P%", "/home/jürgen/%P%"), "Öffne \"/home/jürgen/%P%\"");
}

TEST(CDbl, ReadsTheLeadingDecimalNumberAndZeroForAnythingElse) {
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
