// SPDX-License-Identifier: MIT
// Samples arbitrary control points (integer and float, any values, NaN and infinities
// included) with any step, basis and closing, and draws them on a recording canvas. The
// sampler must keep its guarantees: nothing for fewer than two points, at most
// KwMaxSplineSegmentSamples samples per segment plus the closing one, and no NaN sample
// from points of moderate size (within 1e15, where no sum can overflow a float).
//
// Input: step, a flags byte (bit 0 B-spline, bit 1 closed, bit 2 float points, bit 3
// filled), then points as pairs of int32 or float.

#include "FuzzSupport.h"

#include <kwgfx/drawing/BezierPolygon.h>
#include <kwgfx/drawing/DrawBezierPolygon.h>
#include <kwgfx/platform/graphics/RecordingCanvas.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

// The most samples Count control points may give: each segment's cap, plus one.
size_t SampleBound(size_t Count, bool Closed) {
    if (Count < 2) return 0;
    const size_t segments = Closed && Count >= 3 ? Count : Count - 1;
    return segments * (size_t(kw::KwMaxSplineSegmentSamples) + 1) + 1;
}

template <typename TPointType>
std::vector<TPointType> ReadPoints(kw::fuzz::TInputReader& In, size_t Limit) {
    std::vector<TPointType> points;
    while (!In.Empty() && points.size() < Limit) {
        TPointType p;
        p.X = In.Next<decltype(p.X)>();
        p.Y = In.Next<decltype(p.Y)>();
        points.push_back(p);
    }
    return points;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    using namespace kw;
    fuzz::TInputReader in(Data, Size);
    const int32_t step = in.Next<int32_t>();
    const uint8_t flags = in.Next<uint8_t>();
    const bool bspline = flags & 1, closed = flags & 2, filled = flags & 8;
    // Few points, so that the samples stay within the memory limit even at the cap.
    constexpr size_t MaxPoints = 64;
    platform::TRecordingCanvas canvas;
    if (flags & 4) {
        const std::vector<TKwPoint> points = ReadPoints<TKwPoint>(in, MaxPoints);
        const TKwPoints samples = BezierPolygonPoints(points, bspline, closed, step);
        if (samples.size() > SampleBound(points.size(), closed)) fuzz::Fail("too many samples");
        const bool moderate = std::all_of(points.begin(), points.end(), [](const TKwPoint& p) {
            return std::fabs(p.X) <= 1e15f && std::fabs(p.Y) <= 1e15f;
        });
        for (size_t i = 0; moderate && i < samples.size(); ++i)
            if (std::isnan(samples[i].X) || std::isnan(samples[i].Y))
                fuzz::Fail("NaN sample from moderate points", int64_t(i));
        DrawBezierPolygon(canvas, points, bspline, closed, filled, step, 1);
    } else {
        const std::vector<TPoint> points = ReadPoints<TPoint>(in, MaxPoints);
        const TCanvasPoints samples = BezierPolygonPoints(points, bspline, closed, step);
        if (samples.size() > SampleBound(points.size(), closed)) fuzz::Fail("too many samples");
        if (points.size() < 2 && !samples.empty()) fuzz::Fail("samples from fewer than 2 points");
        DrawBezierPolygon(canvas, points, bspline, closed, filled, step, 1);
    }
    if (canvas.Calls().size() != 1) fuzz::Fail("not exactly one polygon or polyline drawn");
    return 0;
}
