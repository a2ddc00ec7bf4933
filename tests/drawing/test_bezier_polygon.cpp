// SPDX-License-Identifier: MIT
#include <kwgfx/drawing/BezierPolygon.h>
#include <kwgfx/drawing/DrawBezierPolygon.h>
#include <kwgfx/platform/graphics/RecordingCanvas.h>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

using namespace kw;

namespace {

double Distance(const TKwPoint& A, const TKwPoint& B) {
    return std::hypot(A.X - B.X, A.Y - B.Y);
}
double Distance(const TPoint& A, const TPoint& B) {
    return std::hypot(A.X - B.X, A.Y - B.Y);
}

template <typename P>
bool Contains(const std::vector<P>& Samples, const P& Q, double Tol) {
    for (const P& s : Samples)
        if (Distance(s, Q) <= Tol) return true;
    return false;
}

// Largest distance between consecutive samples, the wrap from last to first included.
template <typename P>
double LargestGap(const std::vector<P>& Samples, bool WrapAround) {
    double gap = 0;
    for (std::size_t i = 1; i < Samples.size(); ++i)
        gap = std::max(gap, Distance(Samples[i - 1], Samples[i]));
    if (WrapAround) gap = std::max(gap, Distance(Samples.back(), Samples.front()));
    return gap;
}

const TKwPoints kZigZag = {{0, 0}, {30, 40}, {60, 0}, {90, 40}, {120, 0}};

} // namespace

TEST(BezierPolygon, FewerThanTwoPointsGiveNothing) {
    EXPECT_TRUE(BezierPolygonPoints(TKwPoints{}, false, false, 1).empty());
    EXPECT_TRUE(BezierPolygonPoints(TKwPoints{{5, 5}}, true, true, 1).empty());
    EXPECT_TRUE(BezierPolygonPoints(TCanvasPoints{{5, 5}}, false, true, 1).empty());
}

TEST(BezierPolygon, TwoPointCatmullRomIsTheStraightLine) {
    const TKwPoints s = BezierPolygonPoints(TKwPoints{{10, 20}, {40, 60}}, false, false, 5);
    ASSERT_EQ(s.size(), 11u); // a 50-long chord in steps of 5, both ends included
    EXPECT_TRUE(s.front().SameAs({10, 20}));
    for (std::size_t i = 0; i < s.size(); ++i) {
        // On the line: (x - 10) / 30 = (y - 20) / 40, moving forwards only.
        EXPECT_NEAR((s[i].X - 10) * 40, (s[i].Y - 20) * 30, 1e-3) << i;
        if (i) {
            EXPECT_GT(s[i].X, s[i - 1].X);
        }
    }
    EXPECT_NEAR(s.back().X, 40, 1e-4);
}

TEST(BezierPolygon, OpenCatmullRomPassesThroughItsPoints) {
    // Chords of 50 in steps of 5 land on every control point, the last one included.
    const TKwPoints s = BezierPolygonPoints(kZigZag, false, false, 5);
    for (const TKwPoint& p : kZigZag) EXPECT_TRUE(Contains(s, p, 1e-3)) << p.X;
    EXPECT_TRUE(s.front().SameAs(kZigZag.front()));

    TCanvasPoints ints;
    for (const TKwPoint& p : kZigZag) ints.emplace_back(int32_t(p.X), int32_t(p.Y));
    const TCanvasPoints si = BezierPolygonPoints(ints, false, false, 5);
    for (const TPoint& p : ints) EXPECT_TRUE(Contains(si, p, 0)) << p.X;
}

TEST(BezierPolygon, OpenBSplineStartsNearNotAtTheFirstPoint) {
    const TKwPoints s = BezierPolygonPoints(kZigZag, true, false, 5);
    EXPECT_NEAR(s.front().X, 5.0f, 1e-5); // (5 * P0 + P1) / 6
    EXPECT_NEAR(s.front().Y, 40.0f / 6, 1e-5);
    // The curve stays near, not on, the inner points.
    EXPECT_FALSE(Contains(s, kZigZag[1], 1));
}

TEST(BezierPolygon, ClosedCurveIsOneLoopThroughEveryPoint) {
    for (bool bspline : {false, true}) {
        SCOPED_TRACE(bspline ? "B-spline" : "Catmull-Rom");
        const TKwPoints s = BezierPolygonPoints(kZigZag, bspline, true, 2);
        // No jump anywhere, not even where the last segment meets the first.
        EXPECT_LT(LargestGap(s, true), 2 * 1.6);
        if (!bspline) {
            for (const TKwPoint& p : kZigZag) EXPECT_TRUE(Contains(s, p, 1e-3)) << p.X;
        }
    }
}

TEST(BezierPolygon, ClosedLoopEndsWhereItBegins) {
    // With a step that lands on t = 1, the last segment's final sample is the first sample.
    const TKwPoints square = {{0, 0}, {40, 0}, {40, 40}, {0, 40}};
    for (bool bspline : {false, true}) {
        const TKwPoints s = BezierPolygonPoints(square, bspline, true, 40);
        ASSERT_EQ(s.size(), 8u); // two samples per segment: t = 0 and t = 1
        EXPECT_NEAR(s.back().X, s.front().X, 1e-5);
        EXPECT_NEAR(s.back().Y, s.front().Y, 1e-5);
    }
}

TEST(BezierPolygon, ClosedWithTwoPointsIsOpen) {
    const TKwPoints two = {{0, 0}, {10, 10}};
    for (bool bspline : {false, true}) {
        const TKwPoints closed = BezierPolygonPoints(two, bspline, true, 1);
        const TKwPoints open = BezierPolygonPoints(two, bspline, false, 1);
        ASSERT_EQ(closed.size(), open.size());
        for (std::size_t i = 0; i < open.size(); ++i) EXPECT_TRUE(closed[i].SameAs(open[i]));
    }
}

TEST(BezierPolygon, SampleCountsFollowTheStep) {
    const TCanvasPoints line = {{0, 0}, {10, 0}};
    EXPECT_EQ(BezierPolygonPoints(line, false, false, 1).size(), 11u);
    EXPECT_EQ(BezierPolygonPoints(line, false, false, 2).size(), 6u);
    EXPECT_EQ(BezierPolygonPoints(line, false, false, 3).size(), 4u);  // t = 0, .3, .6, .9
    EXPECT_EQ(BezierPolygonPoints(line, false, false, 50).size(), 1u); // only t = 0
    // A repeated point is a chord of length 1: t advances by Step.
    const TCanvasPoints repeated = {{5, 5}, {5, 5}};
    EXPECT_EQ(BezierPolygonPoints(repeated, false, false, 1).size(), 2u);
    EXPECT_EQ(BezierPolygonPoints(repeated, false, false, 2).size(), 1u);
}

TEST(BezierPolygon, NonPositiveStepCountsAsOne) {
    const TKwPoints a = BezierPolygonPoints(kZigZag, false, true, 1);
    for (int32_t step : {0, -1, std::numeric_limits<int32_t>::min()}) {
        const TKwPoints b = BezierPolygonPoints(kZigZag, false, true, step);
        ASSERT_EQ(a.size(), b.size()) << step;
        for (std::size_t i = 0; i < a.size(); ++i) EXPECT_TRUE(a[i].SameAs(b[i]));
    }
}

TEST(BezierPolygon, LongSegmentsAreCappedButStillCovered) {
    const TKwPoints s = BezierPolygonPoints(TKwPoints{{0, 0}, {1e7f, 0}}, false, false, 1);
    EXPECT_LE(s.size(), std::size_t(KwMaxSplineSegmentSamples));
    EXPECT_GT(s.size(), std::size_t(KwMaxSplineSegmentSamples) - 3);
    EXPECT_GT(s.back().X, 0.999e7f); // the samples spread over the whole segment

    const TKwPoints huge =
        BezierPolygonPoints(TKwPoints{{-3e38f, 0}, {3e38f, 3e38f}, {0, 0}}, true, true, 1);
    EXPECT_LE(huge.size(), 3u * KwMaxSplineSegmentSamples);
}

TEST(BezierPolygon, NonFiniteSegmentsGiveOneSample) {
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(BezierPolygonPoints(TKwPoints{{0, 0}, {inf, 0}}, false, false, 1).size(), 1u);
    EXPECT_EQ(BezierPolygonPoints(TKwPoints{{0, 0}, {nan, 0}}, true, false, 1).size(), 1u);
}

TEST(BezierPolygon, IntegerSamplesRoundTiesToEvenAndSaturate) {
    // The first B-spline sample of (0, 0) -> (X, 0) lies at X / 6.
    EXPECT_EQ(BezierPolygonPoints(TCanvasPoints{{0, 0}, {15, 0}}, true, false, 100)[0].X, 2);
    EXPECT_EQ(BezierPolygonPoints(TCanvasPoints{{0, 0}, {9, 0}}, true, false, 100)[0].X, 2);
    // Catmull-Rom overshoots between far-apart points; the result must clamp, not wrap.
    constexpr int32_t big = std::numeric_limits<int32_t>::max();
    constexpr int32_t small = std::numeric_limits<int32_t>::min();
    const TCanvasPoints wild = {{small, 0}, {big, 0}, {small, 0}, {big, 0}};
    const TCanvasPoints s = BezierPolygonPoints(wild, false, true, 1 << 28);
    ASSERT_FALSE(s.empty());
    bool reachedTop = false;
    for (const TPoint& p : s) reachedTop = reachedTop || p.X == big;
    EXPECT_TRUE(reachedTop);
}

TEST(BezierPolygon, AcceptsFixedArrays) {
    const std::array<TKwPoint, 4> curve = {{{0, 0}, {10, 0}, {10, 10}, {0, 10}}};
    const TKwPoints s = BezierPolygonPoints(curve, false, false, 1);
    EXPECT_TRUE(s.front().SameAs({0, 0}));
    EXPECT_TRUE(Contains(s, TKwPoint(10, 0), 1e-3));
}

TEST(DrawBezierPolygon, FilledDrawsOnePolygonOtherwiseOnePolyline) {
    const TCanvasPoints pts = {{0, 0}, {40, 0}, {40, 40}, {0, 40}};
    platform::TRecordingCanvas canvas;
    canvas.Pen().SetColor(platform::clRed);
    DrawBezierPolygon(canvas, pts, false, true, true, 4, 1);
    DrawBezierPolygon(canvas, pts, true, false, false, 4, 0.5f);
    ASSERT_EQ(canvas.Names(), (std::vector<std::string>{"Polygon", "Polyline"}));
    EXPECT_EQ(canvas.Calls()[0].Points, BezierPolygonPoints(pts, false, true, 4));
    EXPECT_EQ(canvas.Calls()[1].Points, BezierPolygonPoints(pts, true, false, 4));
    EXPECT_EQ(canvas.Calls()[0].Pen.Color, platform::clRed);
    EXPECT_EQ(canvas.Pen().Color(), platform::clRed);
}

TEST(DrawBezierPolygon, NonPositiveOpacityDrawsNothingOnePointDrawsEmpty) {
    platform::TRecordingCanvas canvas;
    const TKwPoints pts = {{0, 0}, {10, 10}, {20, 0}};
    DrawBezierPolygon(canvas, pts, false, false, true, 1, 0);
    DrawBezierPolygon(canvas, pts, false, false, false, 1, -1);
    EXPECT_TRUE(canvas.Calls().empty());
    DrawBezierPolygon(canvas, TKwPoints{{5, 5}}, false, false, true, 1, 1);
    ASSERT_EQ(canvas.Names(), std::vector<std::string>{"Polygon"});
    EXPECT_TRUE(canvas.Calls()[0].Points.empty());
}

TEST(DrawBezierPolygon, FloatSamplesRoundToPixels) {
    platform::TRecordingCanvas canvas;
    // B-spline samples of (0, 0) -> (15, 0): the first lies at 2.5, which rounds to 2.
    DrawBezierPolygon(canvas, TKwPoints{{0, 0}, {15, 0}}, true, false, false, 5, 1);
    ASSERT_EQ(canvas.Calls().size(), 1u);
    const std::vector<TPoint>& drawn = canvas.Calls()[0].Points;
    const TKwPoints exact = BezierPolygonPoints(TKwPoints{{0, 0}, {15, 0}}, true, false, 5);
    ASSERT_EQ(drawn.size(), exact.size());
    EXPECT_EQ(drawn[0], TPoint(2, 0));
    for (std::size_t i = 0; i < drawn.size(); ++i)
        EXPECT_EQ(drawn[i].X, int32_t(std::nearbyint(exact[i].X))) << i;
}

TEST(DrawBezierPolygon, FarAndNaNSamplesSaturate) {
    platform::TRecordingCanvas canvas;
    constexpr float nan = std::numeric_limits<float>::quiet_NaN();
    // An open Catmull-Rom curve starts at its first point: a NaN point lands on INT32_MIN,
    // a point beyond the integer range on the nearest edge of it.
    DrawBezierPolygon(canvas, TKwPoints{{nan, 3e30f}, {0, 0}}, false, false, false, 1, 1);
    DrawBezierPolygon(canvas, TKwPoints{{-3e30f, 2.5f}, {0, 0}}, false, false, false, 1, 1);
    ASSERT_EQ(canvas.Calls().size(), 2u);
    ASSERT_FALSE(canvas.Calls()[0].Points.empty());
    ASSERT_FALSE(canvas.Calls()[1].Points.empty());
    EXPECT_EQ(canvas.Calls()[0].Points[0],
              TPoint(std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
    EXPECT_EQ(canvas.Calls()[1].Points[0], TPoint(std::numeric_limits<int32_t>::min(), 2));
}
