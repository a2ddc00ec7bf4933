// SPDX-License-Identifier: MIT
// String lists: name=value lines, setting values, index errors and assignment.
#include <kwgfx/platform/base/Exceptions.h>
#include <kwgfx/platform/text/Strings.h>

#include <gtest/gtest.h>

using namespace kw::platform;

TEST(StringList, NamesAndValuesFollowTheFirstLineOfANameInAnyCase) {
    TStringList lines{"Alpha=one",    "beta=two",    "ALPHA=three",
                      "no separator", "=empty name", "gamma=x=y"};
    EXPECT_EQ(lines.Names(0), "Alpha");
    EXPECT_EQ(lines.Names(3), ""); // no separator: no name
    EXPECT_EQ(lines.ValueFromIndex(3), "no separator");
    EXPECT_EQ(lines.Values("alpha"), "one"); // first line wins, case ignored
    EXPECT_EQ(lines.Values("BETA"), "two");
    EXPECT_EQ(lines.Values("gamma"), "x=y"); // only the first separator splits
    EXPECT_EQ(lines.Values("missing"), "");
    EXPECT_EQ(lines.Values(""), "empty name");
    EXPECT_EQ(lines.IndexOfName("ALPHA"), 0);
    EXPECT_EQ(lines.IndexOf("NO SEPARATOR"), 3);

    lines.NameValueSeparator = ':';
    EXPECT_EQ(lines.Values("Alpha"), "");
    lines.Add("delta:four");
    EXPECT_EQ(lines.Values("Delta"), "four");
}

TEST(StringList, SetValueReplacesAppendsAndDeletes) {
    TStringList lines{"a=1", "b=2"};
    lines.SetValue("A", "10");
    EXPECT_EQ(lines.Strings(0), "A=10");
    lines.SetValue("c", "3");
    EXPECT_EQ(lines.Count(), 3);
    EXPECT_EQ(lines.Strings(2), "c=3");
    lines.SetValue("b", "");
    EXPECT_EQ(lines.Count(), 2);
    EXPECT_EQ(lines.IndexOfName("b"), -1);
}

TEST(StringList, IndexesOutsideTheListRaiseARangeError) {
    TStringList lines{"x"};
    EXPECT_THROW(lines.Get(1), ERangeError);
    EXPECT_THROW(lines.Get(-1), ERangeError);
    EXPECT_THROW(lines.Put(1, "y"), ERangeError);
    EXPECT_THROW(lines.Insert(2, "y"), ERangeError);
    EXPECT_THROW(lines.Delete(1), ERangeError);
    EXPECT_NO_THROW(lines.Insert(1, "y")); // at Count: appends
    try {
        lines.Get(7);
    } catch (const ERangeError& e) {
        EXPECT_STREQ(e.what(), "List index out of bounds (7)");
    }
}

TEST(StringList, AssignCopiesLinesAndSeparatorAndRefusesOtherClasses) {
    TStringList source{"k;v", "w"};
    source.NameValueSeparator = ';';
    TStringList target{"old"};
    target.Assign(source);
    ASSERT_EQ(target.Count(), 2);
    EXPECT_EQ(target.Strings(1), "w");
    EXPECT_EQ(target.Values("k"), "v");
    target.Assign(target); // self-assignment keeps the lines
    EXPECT_EQ(target.Count(), 2);

    class TOther : public TPersistent {};
    TOther other;
    EXPECT_THROW(target.Assign(other), EAssignError);
    EXPECT_EQ(target.Count(), 2);
}
