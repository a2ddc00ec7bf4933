// SPDX-License-Identifier: MIT
// The text test selected by option and case, and the containment tests behind it.
#include <kwgfx/platform/common/KwStrCompare.h>

#include <gtest/gtest.h>

#include <string>

using namespace kw::platform;

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
