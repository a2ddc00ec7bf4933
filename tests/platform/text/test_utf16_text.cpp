// SPDX-License-Identifier: MIT
// UTF-8 to UTF-16 conversion and the replacement of malformed bytes.
#include <kwgfx/platform/text/Utf16Text.h>

#include <gtest/gtest.h>

using namespace kw::platform;

TEST(Utf16Text, ConvertsAndReplacesMalformedBytes) {
    EXPECT_EQ(Utf8ToUtf16("Ab"), u"Ab");
    EXPECT_EQ(Utf8ToUtf16("\xC3\xA9\xE2\x82\xAC"), u"\u00E9\u20AC");
    EXPECT_EQ(Utf8ToUtf16("\xF0\x9F\x98\x80"), u"\U0001F600"); // a surrogate pair
    EXPECT_EQ(Utf8ToUtf16("a\xFFz"), u"a\uFFFDz");
    EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), u"\uFFFD\uFFFD");           // overlong
    EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD"); // a surrogate
    EXPECT_EQ(Utf8ToUtf16("x\xE2\x82"), u"x\uFFFD\uFFFD");         // cut short
}
