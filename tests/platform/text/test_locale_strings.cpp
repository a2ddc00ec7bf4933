#include <kwgfx/KwGraphics.h>
#include <kwgfx/platform/common/KwCommon.h>

#include <gtest/gtest.h>

#include <limits>
#include <thread>

using namespace kw;
using namespace kw::platform;

TEST(CommonPackage, GraphicsExceptionIsCaughtAsItsBases) {
    try {
        throw EKwGfxException("bad path");
    } catch (const EKwException& e) {
        EXPECT_STREQ(e.what(), "bad path");
    }
    EXPECT_THROW(throw EKwGfxException("x"), platform::Exception);
    EXPECT_THROW(throw EKwGfxException("x"), std::exception);
}

TEST(CommonPackage, IntegerScaleRectGrowsByExactlyTheAmount) {
    const TRect r(0, 0, 10, 10);
    EXPECT_EQ(ScaleRect(r, 4, 6), TRect(-2, -3, 12, 13));
    // An odd amount puts the extra pixel on the right and bottom.
    const TRect odd = ScaleRect(r, 5, 3);
    EXPECT_EQ(odd, TRect(-2, -1, 13, 12));
    EXPECT_EQ(odd.Width(), 15);
    EXPECT_EQ(odd.Height(), 13);
    const TRect shrunk = ScaleRect(r, -5, -3);
    EXPECT_EQ(shrunk, TRect(2, 1, 7, 8));
    EXPECT_EQ(shrunk.Width(), 5);
    EXPECT_EQ(r, TRect(0, 0, 10, 10)); // the input is untouched
}

TEST(CommonPackage, IntegerScaleRectSaturatesInsteadOfWrapping) {
    constexpr int32_t big = std::numeric_limits<int32_t>::max();
    constexpr int32_t small = std::numeric_limits<int32_t>::min();
    const TRect r = ScaleRect(TRect(small + 1, -5, big - 1, 5), big, big);
    EXPECT_EQ(r.Left, small);
    EXPECT_EQ(r.Right, big);
    EXPECT_EQ(r.Top, -5 - big / 2);
    EXPECT_EQ(r.Bottom, 5 + (big - big / 2));
}

TEST(CommonPackage, CharacterTests) {
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

TEST(LocaleStrings, EqualityFoldsCaseOnlyInTheTextForm) {
    EXPECT_TRUE(AnsiSameStr("Äpfel", "Äpfel"));
    EXPECT_FALSE(AnsiSameStr("Äpfel", "äpfel"));
    EXPECT_TRUE(AnsiSameText("Äpfel", "äPFEL"));
    EXPECT_TRUE(AnsiSameText("Straße", "STRASSE"));
    EXPECT_FALSE(AnsiSameStr("Straße", "Strasse"));
    EXPECT_TRUE(AnsiSameText("ΣΊΣΥΦΟΣ", "σίσυφος")); // final sigma folds like sigma
    EXPECT_FALSE(AnsiSameText("Apfel", "Äpfel"));    // accents still count
    EXPECT_TRUE(AnsiSameText("", ""));
    EXPECT_FALSE(AnsiSameText("", "a"));
}

TEST(LocaleStrings, CanonicallyEquivalentTextsAreEqual) {
    const char* precomposed = "caf\u00E9";
    const char* decomposed = "cafe\u0301";
    EXPECT_TRUE(AnsiSameStr(precomposed, decomposed));
    EXPECT_TRUE(AnsiSameText("CAFE\u0301", precomposed));
    EXPECT_TRUE(AnsiEndsStr("\u00E9", decomposed));
    EXPECT_TRUE(AnsiContainsStr(decomposed, "f\u00E9"));
}

TEST(LocaleStrings, PartialMatchesRespectCharacterBoundaries) {
    // "e" followed by a combining accent is one character: "cafe" is not a prefix of it.
    EXPECT_FALSE(AnsiStartsStr("cafe", "cafe\u0301s"));
    EXPECT_FALSE(AnsiContainsStr("cafe\u0301", "e"));
    EXPECT_FALSE(AnsiEndsStr("\u0301", "cafe\u0301"));
    // A later occurrence on a boundary is still found.
    EXPECT_TRUE(AnsiContainsStr("cafe\u0301 e", "e"));
}

TEST(LocaleStrings, StartsEndsContainsInBothCases) {
    EXPECT_TRUE(AnsiStartsStr("Tree", "TreeView"));
    EXPECT_FALSE(AnsiStartsStr("tree", "TreeView"));
    EXPECT_TRUE(AnsiStartsText("tREE", "TreeView"));
    EXPECT_TRUE(AnsiEndsText("VIEW", "TreeView"));
    EXPECT_FALSE(AnsiEndsStr("VIEW", "TreeView"));
    EXPECT_TRUE(AnsiContainsText("Großstraße", "STRASS"));
    EXPECT_FALSE(AnsiContainsStr("Großstraße", "STRASS"));
    EXPECT_FALSE(AnsiStartsStr("TreeViewX", "TreeView"));
    EXPECT_TRUE(AnsiStartsStr("", "x"));
    EXPECT_TRUE(AnsiContainsText("x", ""));
}

TEST(StrCompareFunction, SelectsTheTestByOptionAndCase) {
    struct Case {
        bool caseSensitive;
        TCompareStringsOption option;
        const char* search;
        const char* candidate;
        bool expected;
    };
    const Case cases[] = {
        {false, csoStartsWith, "tr", "TreeNode", true},
        {true, csoStartsWith, "tr", "TreeNode", false},
        {false, csoEndsWith, "NODE", "TreeNode", true},
        {true, csoEndsWith, "NODE", "TreeNode", false},
        {false, csoEndsWith, "Tree", "TreeNode", false},
        // The candidate is searched for the search text, not the other way round.
        {true, csoContains, "eeN", "TreeNode", true},
        {true, csoContains, "TreeNode", "eeN", false},
        {false, csoContains, "EEn", "TreeNode", true},
        {true, csoContains, "EEn", "TreeNode", false},
        {true, csoSameText, "TreeNode", "TreeNode", true},
        {true, csoSameText, "treenode", "TreeNode", false},
        {false, csoSameText, "treenode", "TreeNode", true},
        {false, csoSameText, "Tree", "TreeNode", false},
        // Any ordinal beyond the named ones means equality.
        {false, TCompareStringsOption(7), "äPFEL", "Äpfel", true},
        {false, TCompareStringsOption(7), "Äpf", "Äpfel", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.search) + " / " + c.candidate);
        EXPECT_EQ(GetStrCompareFunction(c.caseSensitive, c.option)(c.search, c.candidate),
                  c.expected);
    }
    EXPECT_TRUE(KwAnsiContainsStr("aß", "Straße"));
    EXPECT_TRUE(KwAnsiContainsText("ASS", "Straße"));
    EXPECT_FALSE(KwAnsiContainsStr("Straße", "aß"));
}

TEST(LocaleStrings, SafeToCallFromSeveralThreads) {
    bool ok[4] = {};
    std::thread threads[4];
    for (int t = 0; t < 4; ++t)
        threads[t] = std::thread([&ok, t] {
            bool all = true;
            for (int i = 0; i < 200; ++i)
                all = all && AnsiContainsText("Große Straße", "STRASSE") &&
                      !AnsiContainsStr("cafe\u0301", "e");
            ok[t] = all;
        });
    for (std::thread& th : threads) th.join();
    for (bool b : ok) EXPECT_TRUE(b);
}
