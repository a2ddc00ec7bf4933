// SPDX-License-Identifier: MIT
// Locale-aware string tests: equality with and without case, canonical equivalence,
// character boundaries, prefixes, suffixes and containment, and use from several threads.
#include <kwgfx/platform/text/LocaleStrings.h>

#include <gtest/gtest.h>

#include <thread>

using namespace kw::platform;

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
