// SPDX-License-Identifier: MIT
// The collation order of the locale comparison, with and without case.
#include <kwgfx/platform/text/LocaleCompare.h>

#include <gtest/gtest.h>

using namespace kw::platform;

TEST(LocaleCompare, CollationOrderWithAndWithoutCase) {
    EXPECT_LT(AnsiCompareText("apple", "Banana"), 0); // bytes would put "B" first
    EXPECT_EQ(AnsiCompareText("ABC", "abc"), 0);
    EXPECT_LT(AnsiCompareText("10", "9"), 0);                // text, not numbers
    EXPECT_LT(AnsiCompareText("\xC3\xA9t\xC3\xA9", "f"), 0); // "été" sorts with e, before f
    EXPECT_NE(AnsiCompareText("e", "\xC3\xA9"), 0);          // accents still count
    EXPECT_NE(AnsiCompareStr("ABC", "abc"), 0);
    EXPECT_EQ(AnsiCompareStr("abc", "abc"), 0);
    EXPECT_EQ(AnsiCompareStr("a", "b"), -AnsiCompareStr("b", "a"));
}
