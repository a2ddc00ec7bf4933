// SPDX-License-Identifier: MIT
// Reading a path's entries as figures of double-precision segments (detail/KwSegmentFigures.h),
// and the float rounding of the toolbox's results (detail/KwVec2.h).

#include "kwgfx/path/detail/KwSegmentFigures.h"

#include "kwgfx/path/detail/KwPathWalk.h"

#include <cfloat>

namespace kw::detail {

TKwPoint ToFloatPoint(const TVec2& V) {
    const auto clamp = [](double C) {
        if (!(C == C)) return 0.0f; // never reached by finite work; keeps NaN out all the same
        if (C > FLT_MAX) return FLT_MAX;
        if (C < -FLT_MAX) return -FLT_MAX;
        return float(C);
    };
    return {clamp(V.X), clamp(V.Y)};
}

namespace {

struct TFigureReader {
    std::vector<TSegmentFigure> Figures;
    TSegmentFigure Current;
    TVec2 Point;
    bool Open = false;    // Current has been started
    bool Damaged = false; // Current holds a point that is not finite

    void Finish() {
        if (Open && !Damaged && (!Current.Segments.empty() || Current.Closed))
            Figures.push_back(std::move(Current));
        Current = {};
        Open = false;
        Damaged = false;
    }
    void Begin(const TVec2& At) {
        Finish();
        Current.Start = At;
        Point = At;
        Open = true;
        Damaged = !IsFinite(At);
    }
    // A segment without a move before it starts at the point reached so far.
    void EnsureOpen() {
        if (!Open) Begin(Point);
    }

    void Move(size_t, const TKwPoint& P) { Begin(TVec2(P)); }
    void Line(size_t, const TKwPoint& P) {
        EnsureOpen();
        const TVec2 b(P);
        if (!IsFinite(b)) Damaged = true;
        Current.Segments.push_back(TSegment::Line(Point, b));
        Point = b;
    }
    void Curve(size_t, const TKwPoint&, const TKwPoint& C1, const TKwPoint& C2,
               const TKwPoint& P3) {
        EnsureOpen();
        const TCubic c{{Point, TVec2(C1), TVec2(C2), TVec2(P3)}};
        for (const TVec2& p : c.P)
            if (!IsFinite(p)) Damaged = true;
        Current.Segments.push_back(TSegment::Cubic(c));
        Point = c.P[3];
    }
    void Close(size_t, const TKwPoint&) {
        if (!Open) return; // a close right after a close adds nothing
        if (!(Point == Current.Start)) {
            Current.Segments.push_back(TSegment::Line(Point, Current.Start));
            Current.ClosingLine = true;
        }
        Current.Closed = true;
        const TVec2 start = Current.Start;
        Finish();
        Point = start;
    }
};

} // namespace

std::vector<TSegmentFigure> SegmentFigures(std::span<const TKwPathPoint> Entries) {
    TFigureReader reader;
    WalkPath(Entries, reader);
    reader.Finish();
    return std::move(reader.Figures);
}

bool IsPointFigure(const TSegmentFigure& Figure) {
    for (const TSegment& s : Figure.Segments)
        if (!s.IsPoint()) return false;
    return true;
}

} // namespace kw::detail
