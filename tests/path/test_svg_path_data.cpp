// SPDX-License-Identifier: MIT
// Strict SVG path data on TKwPathData: replacing and appending, notification, arcs, the
// writer's round trip on real icons, and the exact bounds.

#include <kwgfx/path/KwPathData.h>

#include "support/IconSample.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

using namespace kw;

namespace {

bool SameBits(const TKwPathData& A, const TKwPathData& B) {
    if (A.Count() != B.Count()) return false;
    for (int32_t i = 0; i < A.Count(); ++i) {
        const TKwPathPoint a = A.GetPoint(i), b = B.GetPoint(i);
        const TKwPoint pa = a.Point, pb = b.Point;
        if (a.Kind != b.Kind || std::bit_cast<uint32_t>(pa.X) != std::bit_cast<uint32_t>(pb.X) ||
            std::bit_cast<uint32_t>(pa.Y) != std::bit_cast<uint32_t>(pb.Y))
            return false;
    }
    return true;
}

TKwPoint At(const TKwPathData& Path, int32_t I) {
    return Path.GetPoint(I).Point;
}

} // namespace

TEST(SvgPathData, ReplacesOrAppendsWithOneNotification) {
    TKwPathData path;
    path.SetFillMode(fmNonZero);
    int notified = 0;
    path.SetOnChanged([&](platform::TObject* Sender) {
        EXPECT_EQ(Sender, &path);
        ++notified;
    });
    path.MoveTo({100, 100});
    notified = 0;

    EXPECT_TRUE(path.SetSvgPathString("M1 2l3 4h1z"));
    EXPECT_EQ(notified, 1);
    ASSERT_EQ(path.Count(), 4);
    EXPECT_EQ(path.GetPoint(3).Kind, ppClose);
    EXPECT_TRUE(At(path, 3).SameAs({1, 2}));
    EXPECT_EQ(path.FillMode(), fmNonZero);

    // Appending keeps the entries and the fill mode; the text's relative commands start
    // from (0,0) as in any SVG text.
    EXPECT_TRUE(path.AppendSvgPathString("m5 5 1 0"));
    EXPECT_EQ(notified, 2);
    ASSERT_EQ(path.Count(), 6);
    EXPECT_TRUE(At(path, 4).SameAs({5, 5}));
    EXPECT_TRUE(At(path, 5).SameAs({6, 5}));
    EXPECT_EQ(path.FillMode(), fmNonZero);

    // A failed parse keeps what came before the error and still notifies once.
    const TKwSvgPathResult r = path.SetSvgPathString("M0 0L1 1 2");
    EXPECT_FALSE(r);
    EXPECT_EQ(r.Position, 11u);
    EXPECT_EQ(notified, 3);
    EXPECT_EQ(path.Count(), 2);

    EXPECT_TRUE(path.SetSvgPathString(""));
    EXPECT_EQ(notified, 4);
    EXPECT_EQ(path.Count(), 0);
}

TEST(SvgPathData, AThrowingChangeHandlerReachesTheCallerAndClosesTheBracket) {
    TKwPathData path;
    bool fail = true;
    int notified = 0;
    path.SetOnChanged([&](platform::TObject*) {
        ++notified;
        if (fail) throw std::runtime_error("handler");
    });
    EXPECT_THROW(path.SetSvgPathString("M1 2L3 4"), std::runtime_error);
    EXPECT_THROW(path.AppendSvgPathString("M5 6"), std::runtime_error);
    EXPECT_EQ(notified, 2);
    EXPECT_EQ(path.Count(), 3);
    // No bracket is left open: the next change notifies at once.
    fail = false;
    path.LineTo({7, 8});
    EXPECT_EQ(notified, 3);
}

TEST(SvgPathData, ArcsGoThroughTheArcBuilderAndEndOnTheirEndPoint) {
    TKwPathData path;
    ASSERT_TRUE(path.SetSvgPathString("M0 0A10 10 0 0 1 20 0"));
    // A half circle about (10,0) above the chord: two quarter-turn cubics through (10,-10).
    ASSERT_EQ(path.Count(), 7);
    EXPECT_NEAR(At(path, 3).X, 10, 1e-4);
    EXPECT_NEAR(At(path, 3).Y, -10, 1e-4);
    EXPECT_TRUE(At(path, 6).SameAs({20, 0}));

    // Radii too small for the chord are scaled up: the same half circle.
    TKwPathData small;
    ASSERT_TRUE(small.SetSvgPathString("M0 0A1 1 0 0 1 20 0"));
    ASSERT_EQ(small.Count(), 7);
    EXPECT_NEAR(At(small, 3).Y, -10, 1e-4);

    // A zero radius is a straight line; an arc to its own start point is nothing.
    ASSERT_TRUE(path.SetSvgPathString("M0 0A0 10 0 0 1 20 0A5 5 0 1 1 20 0"));
    ASSERT_EQ(path.Count(), 2);
    EXPECT_EQ(path.GetPoint(1).Kind, ppLineTo);

    // The next relative command starts from the arc's end point.
    ASSERT_TRUE(path.SetSvgPathString("M0 0a3 3 0 0 0 6 0l1 1"));
    EXPECT_TRUE(At(path, path.Count() - 1).SameAs({7, 1}));
}

TEST(SvgPathData, WrittenIconsReadBackBitForBit) {
    const std::vector<kwtest::TIconSample> icons = kwtest::LoadIconSample();
    ASSERT_GE(icons.size(), 300u);
    for (const kwtest::TIconSample& icon : icons) {
        const std::string& d = icon.Data;
        TKwPathData first, second;
        ASSERT_TRUE(first.SetSvgPathString(d)) << d;
        const std::string written = first.GetSvgPathString();
        ASSERT_TRUE(second.SetSvgPathString(written)) << written;
        ASSERT_TRUE(SameBits(first, second)) << d << "\n" << written;
    }
}

TEST(SvgPathData, TightBoundsOfACircleOfArcs) {
    TKwPathData circle;
    ASSERT_TRUE(circle.SetSvgPathString("M-10 0a10 10 0 1 0 20 0a10 10 0 1 0-20 0z"));
    const TKwRect r = circle.GetTightBounds();
    EXPECT_NEAR(r.Left, -10, 1e-3);
    EXPECT_NEAR(r.Top, -10, 1e-2);
    EXPECT_NEAR(r.Right, 10, 1e-3);
    EXPECT_NEAR(r.Bottom, 10, 1e-2);
}

TEST(SvgPathData, ArcsKeepDoublePrecisionAndSvgEndPointRule) {
    // A diameter chord on a turned circle: the float arc builder would place the centre
    // off the chord by the rounding of its intermediates (about 5e-3 here).
    TKwPathData path;
    ASSERT_TRUE(path.SetSvgPathString("M0 0A10 10 30 0 1 20 0"));
    ASSERT_EQ(path.Count(), 7);
    EXPECT_NEAR(At(path, 3).X, 10, 1e-5);
    EXPECT_NEAR(At(path, 3).Y, -10, 1e-5);

    // End points 5e-5 apart are distinct: the large arc is almost the whole circle.
    ASSERT_TRUE(path.SetSvgPathString("M10 0A10 10 0 1 0 10 0.00005"));
    ASSERT_EQ(path.Count(), 13);
    EXPECT_NEAR(At(path, 6).X, -10, 1e-3);
    EXPECT_TRUE(At(path, 12).SameAs({10, 0.00005f}));
}
