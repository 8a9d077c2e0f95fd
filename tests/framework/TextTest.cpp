// Placeholders are filled in once; numbers read from text are finite.

#include "framework/Text.h"

#include <gtest/gtest.h>

namespace {

TEST(Text, ReplaceFillsInTheFirstOccurrenceOnlyAndCDblReadsOnlyFiniteNumbers) {
    EXPECT_EQ(framework::Replace("%A% and %A%", "%A%", "x"), "x and %A%");
    EXPECT_EQ(framework::Replace("abc", "", "x"), "abc");
    EXPECT_EQ(framework::CDbl("  +2.5e1px"), 25.0);
    EXPECT_EQ(framework::CDbl("-1"), -1.0);
    for (const char* text : {"", "abc", "+-1", "nan", "-infinity", "1e999", "0x10"}) {
        EXPECT_EQ(framework::CDbl(text), 0.0) << text;
    }
}

} // namespace
