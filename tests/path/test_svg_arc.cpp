// SPDX-License-Identifier: MIT
// The double-precision arc conversion of the strict SVG reader (SvgArcToCubics): curves on
// ellipses built from a known centre (all four flag choices), agreement with the float arc
// builder of the compatible text (AddArcSvg) on a table of arcs, and SVG's rules for
// degenerate arcs.

#include "PathTestSupport.h"

#include <kwgfx/path/KwSvgArc.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace kw {
namespace {

constexpr double kPi = std::numbers::pi;

// Exposes the arc builder of the compatible path text.
class ArcPath : public TKwPathData {
public:
    using TKwPathData::AddArcSvg;
};

struct TArc {
    TKwPoint Start, Radius;
    float Rotation;
    bool LargeArc, Sweep;
    TKwPoint End;
};

std::string Describe(const TArc& A) {
    std::ostringstream s;
    s << "(" << A.Start.X << "," << A.Start.Y << ") r(" << A.Radius.X << "," << A.Radius.Y
      << ") rot " << A.Rotation << " large " << A.LargeArc << " sweep " << A.Sweep << " to ("
      << A.End.X << "," << A.End.Y << ")";
    return s.str();
}

TKwSvgArcCurves Convert(const TArc& A) {
    return SvgArcToCubics(A.Start, A.Radius, A.Rotation, A.LargeArc, A.Sweep, A.End);
}

// The arc's cubics as 4-point groups, the first starting at Start.
using TCubics = std::vector<std::array<TKwPoint, 4>>;

TCubics CubicsOf(const TKwSvgArcCurves& C, const TKwPoint& Start) {
    TCubics out;
    TKwPoint from = Start;
    for (int i = 0; i < C.CurveCount; ++i) {
        const TKwPoint* p = &C.Points[size_t(3 * i)];
        out.push_back({from, p[0], p[1], p[2]});
        from = p[2];
    }
    return out;
}

// The curves that AddArcSvg appends after a move to the arc's start.
TCubics CubicsOfBuilder(const TArc& A, int32_t* Entries = nullptr) {
    ArcPath path;
    path.MoveTo(A.Start);
    path.AddArcSvg(A.Start, A.Radius, A.Rotation, A.LargeArc, A.Sweep, A.End);
    if (Entries) *Entries = path.Count();
    TCubics out;
    for (int32_t i = 1; i + 2 < path.Count(); i += 3) {
        if (path.GetPoint(i).Kind != ppCurveTo) break;
        out.push_back({path.GetPoint(i - 1).Point, path.GetPoint(i).Point,
                       path.GetPoint(i + 1).Point, path.GetPoint(i + 2).Point});
    }
    return out;
}

struct TPointD {
    double X, Y;
};

TPointD Bezier(const std::array<TKwPoint, 4>& C, double T) {
    const double u = 1 - T;
    const double a = u * u * u, b = 3 * u * u * T, c = 3 * u * T * T, d = T * T * T;
    return {a * C[0].X + b * C[1].X + c * C[2].X + d * C[3].X,
            a * C[0].Y + b * C[1].Y + c * C[2].Y + d * C[3].Y};
}

std::vector<TPointD> Samples(const TCubics& Curves, int PerCurve) {
    std::vector<TPointD> out;
    for (const auto& c : Curves)
        for (int k = 0; k <= PerCurve; ++k) out.push_back(Bezier(c, double(k) / PerCurve));
    return out;
}

double DistanceToPolyline(const TPointD& P, const std::vector<TPointD>& Line) {
    double best = INFINITY;
    for (size_t i = 0; i + 1 < Line.size(); ++i) {
        const TPointD a = Line[i], b = Line[i + 1];
        const double vx = b.X - a.X, vy = b.Y - a.Y;
        const double len2 = vx * vx + vy * vy;
        double t = len2 > 0 ? ((P.X - a.X) * vx + (P.Y - a.Y) * vy) / len2 : 0;
        t = std::clamp(t, 0.0, 1.0);
        best = std::min(best, std::hypot(P.X - (a.X + t * vx), P.Y - (a.Y + t * vy)));
    }
    return best;
}

// The larger of the two one-sided distances between the curve sets: how far a point of
// one drawing can be from the other drawing.
double CurveDistance(const TCubics& A, const TCubics& B) {
    const std::vector<TPointD> a = Samples(A, 48), b = Samples(B, 192);
    const std::vector<TPointD> a2 = Samples(A, 192), b2 = Samples(B, 48);
    double worst = 0;
    for (const TPointD& p : a) worst = std::max(worst, DistanceToPolyline(p, b));
    for (const TPointD& p : b2) worst = std::max(worst, DistanceToPolyline(p, a2));
    return worst;
}

// An ellipse with a known centre, radii and rotation; Arc(from, sweep) is the endpoint
// form of the part from angle From sweeping Sweep (radians, positive clockwise on a y-down
// canvas), with the flags that choose it.
struct TEllipse {
    double Cx, Cy, Rx, Ry, RotationDegrees;

    TPointD At(double Angle) const {
        const double phi = RotationDegrees * kPi / 180;
        const double x = Rx * std::cos(Angle), y = Ry * std::sin(Angle);
        return {Cx + x * std::cos(phi) - y * std::sin(phi),
                Cy + x * std::sin(phi) + y * std::cos(phi)};
    }
    TArc Arc(double From, double Sweep) const {
        const TPointD s = At(From), e = At(From + Sweep);
        return {{float(s.X), float(s.Y)},
                {float(Rx), float(Ry)},
                float(RotationDegrees),
                std::fabs(Sweep) > kPi,
                Sweep > 0,
                {float(e.X), float(e.Y)}};
    }
    // The point's distance from the ellipse, measured in the ellipse's unit-circle frame
    // (radial error divided by the radius), and its angle there.
    double RadialError(const TPointD& P, double* Angle = nullptr) const {
        const double phi = RotationDegrees * kPi / 180;
        const double x = P.X - Cx, y = P.Y - Cy;
        const double ex = (x * std::cos(phi) + y * std::sin(phi)) / Rx;
        const double ey = (-x * std::sin(phi) + y * std::cos(phi)) / Ry;
        if (Angle) *Angle = std::atan2(ey, ex);
        return std::hypot(ex, ey) - 1;
    }
};

// ---------------------------------------------------------------- curves on known ellipses

TEST(SvgArc, CurvesLieOnTheEllipseAndRunFromStartToEnd) {
    // Centres near the radii's size: the float end points then shift the ellipse through
    // them by far less than the approximation error.
    const std::vector<TEllipse> ellipses = {
        {0, 0, 10, 10, 0},     {30, 40, 20, 10, 30},        {-5, 7, 3, 12, -75},
        {12, -6, 40, 10, 410}, {0.5, 0.25, 0.75, 0.5, 180},
    };
    // Sweep in degrees and the number of equal pieces of at most a quarter turn.
    const std::pair<double, int> sweeps[] = {
        {1, 1},   {45, 1},  {89.9, 1}, {90, 1},  {91, 2},  {135, 2},  {179, 2},  {181, 3},
        {270, 3}, {300, 4}, {359, 4},  {-30, 1}, {-90, 1}, {-135, 2}, {-200, 3}, {-350, 4},
    };
    for (const TEllipse& e : ellipses)
        for (const double from : {0.0, 0.7, -2.5})
            for (const auto& [sweepDegrees, pieces] : sweeps) {
                const double sweep = sweepDegrees * kPi / 180;
                const TArc arc = e.Arc(from, sweep);
                SCOPED_TRACE(Describe(arc));
                const TKwSvgArcCurves c = Convert(arc);
                ASSERT_EQ(c.Shape, TKwSvgArcCurves::Curves);
                EXPECT_EQ(c.CurveCount, pieces);
                EXPECT_TRUE(c.Points[size_t(3 * c.CurveCount - 1)].SameAs(arc.End));

                // Every sample within the cubic approximation's own error of the ellipse
                // (2.7e-4 of the radius for a quarter turn) and the rounding of the end
                // points to float; the angle advancing steadily in the sweep's direction
                // from start to end, so the flags chose the right one of the four arcs.
                const TCubics curves = CubicsOf(c, arc.Start);
                double previous = 0;
                e.RadialError(Bezier(curves.front(), 0), &previous);
                double travelled = 0;
                for (const TPointD& p : Samples(curves, 32)) {
                    double angle = 0;
                    const double err = e.RadialError(p, &angle);
                    EXPECT_LT(std::fabs(err), 3.2e-4);
                    const double step = std::remainder(angle - previous, 2 * kPi);
                    EXPECT_GE(step * sweep, -1e-6) << "runs backwards";
                    travelled += step;
                    previous = angle;
                }
                EXPECT_NEAR(travelled, sweep, 1e-4);
            }
}

// ---------------------------------------------------------------- agreement with AddArcSvg

TEST(SvgArc, AgreesWithTheCompatibleArcBuilder) {
    std::vector<TArc> table;
    const TKwPoint radii[] = {{10, 10}, {20, 7}, {3, 40}, {-12, 9}, {0.5f, 0.25f}};
    const TKwPoint ends[][2] = {{{0, 0}, {20, 0}},
                                {{3, 4}, {-9, 17}},
                                {{-100, 50}, {-94.5f, 49.25f}},
                                {{0.125f, 8}, {0.125f, -8}}};
    for (const TKwPoint& r : radii)
        for (const auto& e : ends)
            for (const float rotation : {0.0f, 30.0f, -90.0f, 135.0f, 400.0f})
                for (const bool large : {false, true})
                    for (const bool sweep : {false, true})
                        table.push_back({e[0], r, rotation, large, sweep, e[1]});
    // Radii far too small or far too large for the chord, and a chord far from the origin.
    table.push_back({{0, 0}, {1e-3f, 1e-3f}, 0, true, false, {-7, 7}});
    table.push_back({{0, 0}, {1e6f, 1e6f}, 0, false, true, {20, 0}});
    table.push_back({{1000, 2000}, {5, 8}, 10, true, true, {1004, 2007}});

    for (const TArc& arc : table) {
        SCOPED_TRACE(Describe(arc));
        int32_t builderEntries = 0;
        const TCubics theirs = CubicsOfBuilder(arc, &builderEntries);
        const TKwSvgArcCurves c = Convert(arc);
        ASSERT_EQ(c.Shape, TKwSvgArcCurves::Curves);
        ASSERT_FALSE(theirs.empty());
        const TCubics ours = CubicsOf(c, arc.Start);

        // The errors scale with the larger radius the arc is drawn with, which is grown
        // when the given radii cannot span the chord.
        const double phi = arc.Rotation * kPi / 180;
        const double dx = (double(arc.Start.X) - arc.End.X) / 2;
        const double dy = (double(arc.Start.Y) - arc.End.Y) / 2;
        const double rx = std::fabs(double(arc.Radius.X)), ry = std::fabs(double(arc.Radius.Y));
        const double xp = std::cos(phi) * dx + std::sin(phi) * dy;
        const double yp = -std::sin(phi) * dx + std::cos(phi) * dy;
        const double lambda = xp * xp / (rx * rx) + yp * yp / (ry * ry);
        const double radius = std::max(rx, ry) * std::max(1.0, std::sqrt(lambda));

        // In one piece both, the points agree closely. Otherwise the pieces may be cut at
        // other angles (the builder cuts quarter turns from the start, this conversion
        // equal pieces), and the drawings differ by at most the two approximations' errors
        // (2.7e-4 of the radius each way).
        if (theirs.size() == 1 && ours.size() == 1) {
            for (size_t i = 0; i < ours.size(); ++i)
                for (int k = 1; k < 4; ++k) {
                    EXPECT_NEAR(ours[i][k].X, theirs[i][k].X, 1e-4 * radius) << i << "/" << k;
                    EXPECT_NEAR(ours[i][k].Y, theirs[i][k].Y, 1e-4 * radius) << i << "/" << k;
                }
        }
        EXPECT_LT(CurveDistance(ours, theirs), 6e-4 * radius);
    }
}

// ---------------------------------------------------------------- degenerate arcs

TEST(SvgArc, DegenerateArcsFollowSvgRules) {
    // Equal end points: nothing. A zero radius: a straight line.
    EXPECT_EQ(SvgArcToCubics({3, 4}, {10, 10}, 0, true, true, {3, 4}).Shape,
              TKwSvgArcCurves::Nothing);
    EXPECT_EQ(SvgArcToCubics({0, 0}, {0, 10}, 0, false, true, {20, 5}).Shape,
              TKwSvgArcCurves::Line);
    EXPECT_EQ(SvgArcToCubics({0, 0}, {10, -0.0f}, 0, false, true, {20, 5}).Shape,
              TKwSvgArcCurves::Line);

    // Negative radii count by their magnitude.
    const TKwSvgArcCurves positive = SvgArcToCubics({0, 0}, {8, 5}, 15, true, false, {6, 3});
    const TKwSvgArcCurves negative = SvgArcToCubics({0, 0}, {-8, -5}, 15, true, false, {6, 3});
    ASSERT_EQ(positive.CurveCount, negative.CurveCount);
    for (int i = 0; i < 3 * positive.CurveCount; ++i)
        EXPECT_TRUE(positive.Points[size_t(i)].SameAs(negative.Points[size_t(i)])) << i;

    // The rotation counts modulo a full turn.
    const TKwSvgArcCurves turned = SvgArcToCubics({0, 0}, {8, 5}, 375, true, false, {6, 3});
    ASSERT_EQ(positive.CurveCount, turned.CurveCount);
    for (int i = 0; i < 3 * positive.CurveCount; ++i) {
        EXPECT_NEAR(positive.Points[size_t(i)].X, turned.Points[size_t(i)].X, 1e-4) << i;
        EXPECT_NEAR(positive.Points[size_t(i)].Y, turned.Points[size_t(i)].Y, 1e-4) << i;
    }

    // Radii too small for the chord grow, keeping their ratio: half an ellipse whose
    // centre is the chord's midpoint, through (10, -10) clockwise and (10, 10) the other way.
    for (const bool sweep : {true, false}) {
        const TKwSvgArcCurves c = SvgArcToCubics({0, 0}, {1, 1}, 0, false, sweep, {20, 0});
        ASSERT_EQ(c.CurveCount, 2);
        EXPECT_NEAR(c.Points[2].X, 10, 1e-5);
        EXPECT_NEAR(c.Points[2].Y, sweep ? -10 : 10, 1e-5);
    }
    const TKwSvgArcCurves tiny = SvgArcToCubics({0, 0}, {1e-30f, 2e-30f}, 0, false, true, {0, 20});
    ASSERT_EQ(tiny.CurveCount, 2);
    // Radii 5 and 10 once grown: the middle of the half ellipse is 5 to the side.
    EXPECT_NEAR(std::fabs(tiny.Points[2].X), 5, 1e-5);
    EXPECT_NEAR(tiny.Points[2].Y, 10, 1e-5);
}

TEST(SvgArc, EndPointsCloserThanTheFuzzyToleranceStillDrawTheArc) {
    // The compatible builder takes points within 1e-4 of each other as equal and draws
    // nothing; SVG draws any arc between distinct points: here almost the whole circle.
    const TKwPoint start{10, 0}, end{10, 5e-5f};
    const TKwSvgArcCurves c = SvgArcToCubics(start, {10, 10}, 0, true, false, end);
    ASSERT_EQ(c.Shape, TKwSvgArcCurves::Curves);
    EXPECT_EQ(c.CurveCount, 4);
    const TEllipse circle{0, 0, 10, 10, 0};
    for (const TPointD& p : Samples(CubicsOf(c, start), 16))
        EXPECT_LT(std::fabs(circle.RadialError(p)), 3e-4);
    EXPECT_NEAR(c.Points[5].X, -10, 1e-3); // half way round, on the far side
}

TEST(SvgArc, ArcsBeyondTheFloatRangeBecomeLines) {
    // A circle of radius 3e38 the long way round would reach y = 6e38.
    EXPECT_EQ(SvgArcToCubics({0, 0}, {3e38f, 3e38f}, 0, true, true, {1, 0}).Shape,
              TKwSvgArcCurves::Line);
    // Huge radii the short way: an almost straight arc, every point finite and on the chord.
    const TKwSvgArcCurves flat = SvgArcToCubics({0, 0}, {1e30f, 1e30f}, 0, false, true, {20, 0});
    ASSERT_EQ(flat.Shape, TKwSvgArcCurves::Curves);
    for (int i = 0; i < 3 * flat.CurveCount; ++i) {
        EXPECT_NEAR(flat.Points[size_t(i)].Y, 0, 1e-6) << i;
        EXPECT_TRUE(std::isfinite(flat.Points[size_t(i)].X)) << i;
    }
    // Tiny radii across almost the whole float range: grown to reach, or a line, never a
    // NaN or an infinity.
    const TKwSvgArcCurves wide =
        SvgArcToCubics({-3e38f, 0}, {1e-30f, 1e-30f}, 45, true, false, {3e38f, 1e38f});
    ASSERT_NE(wide.Shape, TKwSvgArcCurves::Nothing);
    for (int i = 0; i < 3 * wide.CurveCount; ++i) {
        EXPECT_TRUE(std::isfinite(wide.Points[size_t(i)].X)) << i;
        EXPECT_TRUE(std::isfinite(wide.Points[size_t(i)].Y)) << i;
    }
}

} // namespace
} // namespace kw
