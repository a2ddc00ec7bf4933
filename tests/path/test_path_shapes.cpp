// SPDX-License-Identifier: MIT
// Ellipses, rectangles and arcs: entry sequences where they are fixed, and the geometry of
// the curves checked by sampling the cubics against the ideal ellipse.

#include "PathTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

namespace kw {
namespace {

using test::ChangeCounter;
using test::ExpectEntries;

// Exposes the arc builders that path text uses.
class ArcPath : public TKwPathData {
public:
    using TKwPathData::AddArcSvg;
    using TKwPathData::AddArcSvgPart;
};

TKwPoint PointAt(const TKwPathData& Path, int32_t I) {
    return Path.GetPoint(I).Point;
}

TKwPoint Bezier(const TKwPoint& P0, const TKwPoint& P1, const TKwPoint& P2, const TKwPoint& P3,
                double T) {
    const double u = 1 - T;
    const double a = u * u * u, b = 3 * u * u * T, c = 3 * u * T * T, d = T * T * T;
    return {static_cast<float>(a * P0.X + b * P1.X + c * P2.X + d * P3.X),
            static_cast<float>(a * P0.Y + b * P1.Y + c * P2.Y + d * P3.Y)};
}

// Calls Check for 21 samples of every curve of the path (start point included).
int ForEachCurveSample(const TKwPathData& Path, const std::function<void(TKwPoint)>& Check) {
    int curves = 0;
    for (int32_t i = 1; i + 2 < Path.Count(); ++i) {
        if (Path.GetPoint(i).Kind != ppCurveTo) continue;
        ++curves;
        for (int s = 0; s <= 20; ++s)
            Check(Bezier(PointAt(Path, i - 1), PointAt(Path, i), PointAt(Path, i + 1),
                         PointAt(Path, i + 2), s / 20.0));
        i += 2;
    }
    return curves;
}

// The largest deviation of the path's curves from the ellipse (x-cx)^2/a^2 + (y-cy)^2/b^2
// = 1, as a relative radial error.
double MaxEllipseError(const TKwPathData& Path, double Cx, double Cy, double A, double B) {
    double worst = 0;
    ForEachCurveSample(Path, [&](TKwPoint p) {
        const double x = (p.X - Cx) / A, y = (p.Y - Cy) / B;
        worst = std::max(worst, std::fabs(std::sqrt(x * x + y * y) - 1));
    });
    return worst;
}

void ExpectNear(const TKwPoint& P, float X, float Y, float Tol = 1e-4f) {
    EXPECT_NEAR(P.X, X, Tol);
    EXPECT_NEAR(P.Y, Y, Tol);
}

TEST(PathShapes, EllipseIsFourCubicsOnTheEllipse) {
    TKwPathData path;
    path.AddEllipse({0, 0, 100, 50});
    ASSERT_EQ(path.Count(), 13);
    EXPECT_EQ(path.GetPoint(0).Kind, ppMoveTo);
    ExpectNear(PointAt(path, 0), 0, 25);
    ExpectNear(PointAt(path, 1), 0, 25 - 13.8071187f);
    ExpectNear(PointAt(path, 2), 50 - 27.6142374f, 0);
    ExpectNear(PointAt(path, 3), 50, 0);
    ExpectNear(PointAt(path, 12), 0, 25); // back at the start, but not closed
    EXPECT_EQ(path.GetPoint(12).Kind, ppCurveTo);
    EXPECT_LT(MaxEllipseError(path, 50, 25, 50, 25), 3e-4);
}

TEST(PathShapes, RectangleCornersFollowTheirType) {
    // No corners: a plain rectangle traced through the corner points.
    TKwPathData plain;
    plain.AddRectangle({0, 0, 100, 50}, 10, 5, {}, ctRound);
    ExpectEntries(plain, {{ppMoveTo, 0, 5},
                          {ppLineTo, 0, 0},
                          {ppLineTo, 10, 0},
                          {ppLineTo, 90, 0},
                          {ppLineTo, 100, 0},
                          {ppLineTo, 100, 5},
                          {ppLineTo, 100, 45},
                          {ppLineTo, 100, 50},
                          {ppLineTo, 90, 50},
                          {ppLineTo, 10, 50},
                          {ppLineTo, 0, 50},
                          {ppLineTo, 0, 45},
                          {ppClose, 0, 5}});

    // One rounded corner among square ones; the radius is cut to half the height.
    TKwPathData round;
    round.AddRectangle({0, 0, 100, 50}, 30, 30, {crTopRight}, ctRound);
    ExpectEntries(round, {{ppMoveTo, 0, 25},
                          {ppLineTo, 0, 0},
                          {ppLineTo, 30, 0},
                          {ppLineTo, 70, 0},
                          {ppCurveTo, 85, 0},
                          {ppCurveTo, 100, 12.5f},
                          {ppCurveTo, 100, 25},
                          {ppLineTo, 100, 25},
                          {ppLineTo, 100, 50},
                          {ppLineTo, 70, 50},
                          {ppLineTo, 30, 50},
                          {ppLineTo, 0, 50},
                          {ppLineTo, 0, 25},
                          {ppClose, 0, 25}});

    TKwPathData bevel;
    bevel.AddRectangle({0, 0, 40, 40}, 10, 10, {crBottomLeft}, ctBevel);
    ExpectEntries(bevel, {{ppMoveTo, 0, 10},
                          {ppLineTo, 0, 0},
                          {ppLineTo, 10, 0},
                          {ppLineTo, 30, 0},
                          {ppLineTo, 40, 0},
                          {ppLineTo, 40, 10},
                          {ppLineTo, 40, 30},
                          {ppLineTo, 40, 40},
                          {ppLineTo, 30, 40},
                          {ppLineTo, 10, 40},
                          {ppLineTo, 0, 30},
                          {ppClose, 0, 10}});

    TKwPathData notch;
    notch.AddRectangle({0, 0, 40, 40}, 10, 10, {crTopLeft}, ctInnerLine);
    ExpectEntries(notch, {{ppMoveTo, 0, 10},
                          {ppLineTo, 5, 10},
                          {ppLineTo, 10, 5},
                          {ppLineTo, 10, 0},
                          {ppLineTo, 30, 0},
                          {ppLineTo, 40, 0},
                          {ppLineTo, 40, 10},
                          {ppLineTo, 40, 30},
                          {ppLineTo, 40, 40},
                          {ppLineTo, 30, 40},
                          {ppLineTo, 10, 40},
                          {ppLineTo, 0, 40},
                          {ppLineTo, 0, 30},
                          {ppClose, 0, 10}});
}

// The rounded corners bulge towards the rectangle's corner point, the inner ones away from
// it, at every corner: the curve's midpoint is on the corresponding side of its chord.
TEST(PathShapes, RoundCornersBulgeOutAndInnerCornersIn) {
    const TKwRect rect{10, 20, 110, 80};
    const TKwPoint corners[] = {{10, 20}, {110, 20}, {110, 80}, {10, 80}};
    for (const TKwCornerType type : {ctRound, ctInnerRound}) {
        TKwPathData path;
        path.AddRectangle(rect, 20, 16, AllKwCorners, type);
        ASSERT_EQ(path.Count(), 1 + 4 * 3 + 3 + 1);
        int corner = 0;
        for (int32_t i = 1; i + 2 < path.Count(); ++i) {
            if (path.GetPoint(i).Kind != ppCurveTo) continue;
            const TKwPoint p0 = PointAt(path, i - 1), p3 = PointAt(path, i + 2);
            const TKwPoint mid = Bezier(p0, PointAt(path, i), PointAt(path, i + 1), p3, 0.5);
            const TKwPoint k = corners[corner++];
            const TKwPoint chordMid{(p0.X + p3.X) / 2, (p0.Y + p3.Y) / 2};
            const double toCornerMid = std::hypot(mid.X - k.X, mid.Y - k.Y);
            const double toCornerChord = std::hypot(chordMid.X - k.X, chordMid.Y - k.Y);
            if (type == ctRound)
                EXPECT_LT(toCornerMid, toCornerChord) << "corner " << corner;
            else
                EXPECT_GT(toCornerMid, toCornerChord) << "corner " << corner;
            i += 2;
        }
        EXPECT_EQ(corner, 4);
        EXPECT_EQ(path.GetPoint(path.Count() - 1).Kind, ppClose);
    }
}

TEST(PathShapes, RectangleRadiiAreCutToHalfTheSide) {
    TKwPathData path;
    path.AddRectangle({0, 0, 100, 50}, 30, 30, AllKwCorners, ctRound);
    ASSERT_EQ(path.Count(), 17);
    // YRadius 30 does not fit a height of 50 and becomes 25; XRadius 30 fits.
    ExpectEntries(path, {{ppMoveTo, 0, 25},
                         {ppCurveTo, 0, 12.5f},
                         {ppCurveTo, 15, 0},
                         {ppCurveTo, 30, 0},
                         {ppLineTo, 70, 0},
                         {ppCurveTo, 85, 0},
                         {ppCurveTo, 100, 12.5f},
                         {ppCurveTo, 100, 25},
                         {ppLineTo, 100, 25},
                         {ppCurveTo, 100, 37.5f},
                         {ppCurveTo, 85, 50},
                         {ppCurveTo, 70, 50},
                         {ppLineTo, 30, 50},
                         {ppCurveTo, 15, 50},
                         {ppCurveTo, 0, 37.5f},
                         {ppCurveTo, 0, 25},
                         {ppClose, 0, 25}});

    // A flipped rectangle with a zero radius: square corners, no division by zero.
    TKwPathData flipped;
    flipped.AddRectangle({10, 10, 0, 0}, 0, 0, AllKwCorners, ctRound);
    for (int32_t i = 0; i < flipped.Count(); ++i) {
        EXPECT_TRUE(std::isfinite(PointAt(flipped, i).X)) << i;
        EXPECT_TRUE(std::isfinite(PointAt(flipped, i).Y)) << i;
    }
    ExpectNear(PointAt(flipped, 0), 10, 10);
}

TEST(PathShapes, ArcByAnglesStartsEndsAndStaysOnTheCircle) {
    TKwPathData quarter;
    quarter.AddArc({0, 0}, {10, 10}, 0, 90);
    ASSERT_EQ(quarter.Count(), 4);
    EXPECT_EQ(quarter.GetPoint(0).Kind, ppMoveTo);
    ExpectNear(PointAt(quarter, 0), 10, 0);
    ExpectNear(PointAt(quarter, 3), 0, 10);
    EXPECT_LT(MaxEllipseError(quarter, 0, 0, 10, 10), 3e-4);

    TKwPathData back;
    back.AddArc({0, 0}, {10, 10}, 0, -90);
    ExpectNear(PointAt(back, 3), 0, -10);

    TKwPathData full;
    full.MoveTo({0, 0});
    full.AddArc({5, 5}, {20, 10}, 30, 360);
    ASSERT_EQ(full.Count(), 1 + 1 + 4 * 3);
    EXPECT_EQ(full.GetPoint(1).Kind, ppLineTo); // a non-empty path connects with a line
    ExpectNear(PointAt(full, 1), PointAt(full, full.Count() - 1).X,
               PointAt(full, full.Count() - 1).Y, 1e-3f);
    EXPECT_LT(MaxEllipseError(full, 5, 5, 20, 10), 3e-4);

    // Sweeps beyond a turn are cut to one; a start of 450 degrees starts like 90.
    TKwPathData clamped;
    clamped.AddArc({0, 0}, {10, 10}, 0, 720);
    EXPECT_EQ(clamped.Count(), 13);
    TKwPathData a450, a90;
    a450.AddArc({0, 0}, {10, 10}, 450, 45);
    a90.AddArc({0, 0}, {10, 10}, 90, 45);
    ExpectNear(PointAt(a450, 0), PointAt(a90, 0).X, PointAt(a90, 0).Y);
    ExpectNear(PointAt(a450, 3), PointAt(a90, 3).X, PointAt(a90, 3).Y);

    // Tiny sweeps add nothing; a quarter turn plus less than 0.01 radian is one segment.
    TKwPathData tiny;
    tiny.AddArc({0, 0}, {10, 10}, 0, 1e-12f);
    EXPECT_EQ(tiny.Count(), 0);
    TKwPathData oneSeg, twoSeg;
    oneSeg.AddArc({0, 0}, {10, 10}, 0, 90.5f);
    twoSeg.AddArc({0, 0}, {10, 10}, 0, 91);
    EXPECT_EQ(oneSeg.Count(), 4);
    EXPECT_EQ(twoSeg.Count(), 7);
    EXPECT_LT(MaxEllipseError(twoSeg, 0, 0, 10, 10), 3e-4);
}

TEST(PathShapes, EndpointArcHalfCirclesFollowTheSweepFlag) {
    ArcPath cw;
    cw.MoveTo({0, 0});
    cw.AddArcSvg({0, 0}, {10, 10}, 0, false, true, {20, 0});
    ASSERT_EQ(cw.Count(), 7);
    ExpectNear(PointAt(cw, 3), 10, -10, 1e-3f);
    ExpectNear(PointAt(cw, 6), 20, 0, 1e-3f);
    EXPECT_LT(MaxEllipseError(cw, 10, 0, 10, 10), 3e-4);

    ArcPath ccw;
    ccw.MoveTo({0, 0});
    ccw.AddArcSvg({0, 0}, {10, 10}, 0, false, false, {20, 0});
    ExpectNear(PointAt(ccw, 3), 10, 10, 1e-3f);
    EXPECT_LT(MaxEllipseError(ccw, 10, 0, 10, 10), 3e-4);

    // Radii too small for the chord grow to reach it.
    ArcPath small;
    small.MoveTo({0, 0});
    small.AddArcSvg({0, 0}, {1, 1}, 0, false, true, {20, 0});
    EXPECT_LT(MaxEllipseError(small, 10, 0, 10, 10), 3e-4);
}

TEST(PathShapes, EndpointArcOnARotatedEllipse) {
    // Ellipse with centre (30,40), radii 20 and 10, turned by 30 degrees: from the end of
    // its first axis to the end of its second, the short way round and the long way round.
    const double phi = 30 * std::numbers::pi / 180;
    auto onEllipse = [&](double Angle) {
        const double x = 20 * std::cos(Angle), y = 10 * std::sin(Angle);
        return TKwPoint(static_cast<float>(30 + x * std::cos(phi) - y * std::sin(phi)),
                        static_cast<float>(40 + x * std::sin(phi) + y * std::cos(phi)));
    };
    const TKwPoint start = onEllipse(0), end = onEllipse(std::numbers::pi / 2);
    for (const bool large : {false, true}) {
        SCOPED_TRACE(large ? "large" : "small");
        ArcPath path;
        path.MoveTo(start);
        // The long way round the same ellipse runs the other way.
        path.AddArcSvg(start, {20, 10}, 30, large, !large, end);
        ASSERT_GE(path.Count(), 4);
        ExpectNear(PointAt(path, path.Count() - 1), end.X, end.Y, 2e-3f);
        EXPECT_EQ(path.Count(), large ? 1 + 3 * 3 : 1 + 3);
        double worst = 0;
        ForEachCurveSample(path, [&](TKwPoint p) {
            const double x = p.X - 30, y = p.Y - 40;
            const double ex = x * std::cos(phi) + y * std::sin(phi);
            const double ey = -x * std::sin(phi) + y * std::cos(phi);
            worst = std::max(worst, std::fabs(std::hypot(ex / 20, ey / 10) - 1));
        });
        EXPECT_LT(worst, 5e-4);
    }
}

TEST(PathShapes, EndpointArcDegenerateCases) {
    ArcPath same;
    same.MoveTo({1, 1});
    same.AddArcSvg({1, 1}, {10, 10}, 0, false, true, {1.00001f, 1});
    EXPECT_EQ(same.Count(), 1);

    ArcPath flat;
    flat.MoveTo({0, 0});
    flat.AddArcSvg({0, 0}, {0, 10}, 0, false, true, {20, 5});
    ExpectEntries(flat, {{ppMoveTo, 0, 0}, {ppLineTo, 20, 5}});

    // Radii and distances at the edge of the float range: no NaN or infinity.
    ArcPath extreme;
    extreme.MoveTo({-3e38f, 0});
    extreme.AddArcSvg({-3e38f, 0}, {1e-30f, 1e-30f}, 45, true, false, {3e38f, 1e38f});
    ASSERT_GE(extreme.Count(), 2);
    for (int32_t i = 0; i < extreme.Count(); ++i) {
        EXPECT_TRUE(std::isfinite(PointAt(extreme, i).X)) << i;
        EXPECT_TRUE(std::isfinite(PointAt(extreme, i).Y)) << i;
    }

    // On an empty path the arc starts with a move to its start point.
    ArcPath empty;
    empty.AddArcSvg({5, 0}, {5, 5}, 0, false, true, {-5, 0});
    EXPECT_EQ(empty.GetPoint(0).Kind, ppMoveTo);
    ExpectNear(PointAt(empty, 0), 5, 0);
    EXPECT_LT(MaxEllipseError(empty, 0, 0, 5, 5), 3e-4);
}

TEST(PathShapes, EndpointArcNotifiesOnceWithFinalCoordinates) {
    ArcPath path;
    path.MoveTo({0, 0});
    int calls = 0;
    TKwPoint seen;
    path.SetOnChanged([&](platform::TObject*) {
        ++calls;
        seen = path.LastPoint();
    });
    path.AddArcSvg({0, 0}, {10, 10}, 0, false, true, {20, 0});
    EXPECT_EQ(calls, 1);
    ExpectNear(seen, 20, 0, 1e-3f);
}

TEST(PathShapes, ArcCommandsOfPathText) {
    TKwPathData path;
    ChangeCounter counter;
    counter.Attach(path);
    // Large arc, no sweep: the half circle below the chord (y grows downwards).
    path.SetPathString("M0 0 A10 10 0 1 0 20 0");
    EXPECT_EQ(counter.Calls, 1);
    ASSERT_EQ(path.Count(), 7);
    ExpectNear(PointAt(path, 3), 10, 10, 1e-3f);
    ExpectNear(PointAt(path, 6), 20, 0, 1e-3f);

    // Relative end point, radii and rotation as given; flags other than exactly 1 are off.
    TKwPathData rel;
    rel.SetPathString("M10,10 a5,5 0 0,1 10,0 a5 5 0 0 0.5 10 0");
    ASSERT_EQ(rel.Count(), 1 + 6 + 6);
    ExpectNear(PointAt(rel, 3), 15, 5, 1e-3f);
    ExpectNear(PointAt(rel, 6), 20, 10, 1e-3f);
    ExpectNear(PointAt(rel, 9), 25, 15, 1e-3f);
    ExpectNear(PointAt(rel, 12), 30, 10, 1e-3f);
}

} // namespace
} // namespace kw
