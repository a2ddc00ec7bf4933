// SPDX-License-Identifier: MIT
// The character tests of the common package: ASCII digits and byte sets.
#include <kwgfx/platform/common/KwChars.h>

#include <gtest/gtest.h>

using namespace kw::platform;

TEST(KwChars, CharacterTests) {
    for (char32_t c = U'0'; c <= U'9'; ++c) EXPECT_TRUE(KwIsDigit(c));
    for (char32_t c : {U'/', U':', U'a', U'\u0660' /* Arabic-Indic zero */, U'\uFF10'})
        EXPECT_FALSE(KwIsDigit(c));

    const TKwCharSet breaks = KwCharSet(" -\t\xE9");
    EXPECT_TRUE(KwCharInSet(U' ', breaks));
    EXPECT_TRUE(KwCharInSet(U'\t', breaks));
    EXPECT_TRUE(KwCharInSet(U'\u00E9', breaks)); // code 233 is in the byte set
    EXPECT_FALSE(KwCharInSet(U'x', breaks));
    // Characters of 256 and above never match, whatever their low byte.
    EXPECT_FALSE(KwCharInSet(U'\u0120', breaks)); // low byte 0x20 is a space
    EXPECT_FALSE(KwCharInSet(U'\U0001F600', breaks));
}
