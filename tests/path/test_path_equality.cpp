// SPDX-License-Identifier: MIT
// Equality of paths (entries and fill mode, nothing else) and of their entries (kind and
// exact coordinates).

#include "kwgfx/path/KwPathData.h"

#include <gtest/gtest.h>

#include <string_view>

namespace kw {
namespace {

TKwPathData PathOf(std::string_view Text, TKwFillMode Mode) {
    TKwPathData path;
    path.SetPathString(Text);
    path.SetFillMode(Mode);
    return path;
}

TEST(PathEquality, SameEntriesAndFillModeMakeEqualPaths) {
    constexpr std::string_view base = "M0,0 L10,0 C1,2 3,4 5,6 Z";
    TKwPathData a = PathOf(base, fmEvenOdd);
    a.SetOnChanged([](platform::TObject*) {}); // the handler does not count
    const struct {
        const char* Why;
        std::string_view Text;
        TKwFillMode Mode;
        bool Equal;
    } cases[] = {
        {"same entries and fill mode", base, fmEvenOdd, true},
        {"minus zero equals zero", "M-0,0 L10,-0 C1,2 3,4 5,6 Z", fmEvenOdd, true},
        {"different kind", "M0,0 M10,0 C1,2 3,4 5,6 Z", fmEvenOdd, false},
        {"different point", "M0,0 L10,0 C1,2 3,4 5,6.0001 Z", fmEvenOdd, false},
        {"different fill mode", base, fmNonZero, false},
        {"one entry fewer", "M0,0 L10,0 C1,2 3,4 5,6", fmEvenOdd, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Why);
        const TKwPathData b = PathOf(c.Text, c.Mode);
        EXPECT_EQ(a == b, c.Equal);
        EXPECT_EQ(b == a, c.Equal);
        EXPECT_EQ(a != b, !c.Equal);
    }
    EXPECT_TRUE(a == a);
}

TEST(PathEquality, EntriesCompareByKindAndExactPoint) {
    const TKwPathPoint e(ppLineTo, {1, 2});
    EXPECT_TRUE(e == TKwPathPoint(ppLineTo, {1, 2}));
    EXPECT_FALSE(e == TKwPathPoint(ppMoveTo, {1, 2}));
    EXPECT_FALSE(e == TKwPathPoint(ppLineTo, {1, 2.0000002f})); // one unit in the last place
    EXPECT_TRUE(TKwPathPoint(ppClose, {0, -0.0f}) == TKwPathPoint(ppClose, {-0.0f, 0}));
}

} // namespace
} // namespace kw
