// SPDX-License-Identifier: MIT
// TKwPathMeasure (KwPathMeasure.h): the figures' segments measured once (detail/KwArcLength.h),
// with the distance at which each figure and segment starts, searched by bisection.

#include "kwgfx/path/KwPathMeasure.h"

#include "kwgfx/path/detail/KwArcLength.h"
#include "kwgfx/path/detail/KwEntrySink.h"

#include <algorithm>

namespace kw {

using detail::TMeasuredSegment;
using detail::TVec2;

struct TKwPathMeasure::TData {
    struct TFigure {
        std::vector<TMeasuredSegment> Segments;
        std::vector<double> Starts; // distance from the path's start to each segment
        double Start = 0, Length = 0;
        bool Closed = false;
        bool ClosingLine = false; // the last segment is the line a close added
    };
    std::vector<TFigure> Figures;
    std::vector<double> Starts; // distance from the path's start to each figure
    double Total = 0;
    TVec2 FirstPoint;
};

TKwPathMeasure::TKwPathMeasure(const TKwPathData& Path) : FData(std::make_unique<TData>()) {
    const std::vector<detail::TSegmentFigure> figures = detail::SegmentFigures(Path.Entries());
    if (!figures.empty()) FData->FirstPoint = figures.front().Start;
    for (const detail::TSegmentFigure& f : figures) {
        TData::TFigure m;
        m.Start = FData->Total;
        m.Closed = f.Closed;
        m.ClosingLine = f.ClosingLine;
        double at = m.Start;
        for (const detail::TSegment& s : f.Segments) {
            if (s.IsPoint()) continue;
            TMeasuredSegment segment(s);
            if (!(segment.Length() > 0)) continue;
            m.Starts.push_back(at);
            at += segment.Length();
            m.Segments.push_back(std::move(segment));
        }
        if (m.Segments.empty()) continue;
        m.Length = at - m.Start;
        FData->Total = at;
        FData->Starts.push_back(m.Start);
        FData->Figures.push_back(std::move(m));
    }
}

TKwPathMeasure::~TKwPathMeasure() = default;
TKwPathMeasure::TKwPathMeasure(TKwPathMeasure&&) noexcept = default;
TKwPathMeasure& TKwPathMeasure::operator=(TKwPathMeasure&&) noexcept = default;

double TKwPathMeasure::Length() const {
    return FData ? FData->Total : 0;
}

int32_t TKwPathMeasure::FigureCount() const {
    return FData ? int32_t(FData->Figures.size()) : 0;
}

double TKwPathMeasure::FigureLength(int32_t Index) const {
    if (Index < 0 || Index >= FigureCount()) return 0;
    return FData->Figures[size_t(Index)].Length;
}

namespace {

// The index of the last start that is <= D (0 when D is before them all).
size_t LastAtOrBefore(const std::vector<double>& Starts, double D) {
    const size_t i = size_t(std::upper_bound(Starts.begin(), Starts.end(), D) - Starts.begin());
    return i > 0 ? i - 1 : 0;
}

void EmitSegment(detail::TEntrySink& Sink, const detail::TSegment& S) {
    if (S.Curve)
        Sink.CubicTo(S.C.P[1], S.C.P[2], S.C.P[3]);
    else
        Sink.LineTo(S.End());
}

} // namespace

TKwPathPosition TKwPathMeasure::PositionAt(double Distance) const {
    if (!FData || FData->Figures.empty())
        return {detail::ToFloatPoint(FData ? FData->FirstPoint : TVec2()), {}};
    const double d = std::clamp(Distance == Distance ? Distance : 0.0, 0.0, FData->Total);
    const TData::TFigure& f = FData->Figures[LastAtOrBefore(FData->Starts, d)];
    const size_t k = LastAtOrBefore(f.Starts, d);
    const TMeasuredSegment& s = f.Segments[k];
    const double t = s.ParameterAt(d - f.Starts[k]);
    return {detail::ToFloatPoint(s.PointAt(t)), detail::ToFloatPoint(s.TangentAt(t))};
}

void TKwPathMeasure::GetPiece(double Start, double Stop, TKwPathData& Piece) const {
    detail::TEntrySink sink;
    const double total = Length();
    const double a = std::clamp(Start == Start ? Start : 0.0, 0.0, total);
    const double b = std::clamp(Stop == Stop ? Stop : 0.0, 0.0, total);
    if (b > a) {
        for (const TData::TFigure& f : FData->Figures) {
            const double fEnd = f.Start + f.Length;
            if (f.Start >= b || fEnd <= a) continue;
            if (f.Closed && a <= f.Start && b >= fEnd) {
                sink.MoveTo(f.Segments.front().Segment().Start());
                const size_t n = f.Segments.size() - (f.ClosingLine ? 1 : 0);
                for (size_t k = 0; k < n; ++k) EmitSegment(sink, f.Segments[k].Segment());
                sink.Close();
                continue;
            }
            bool started = false;
            for (size_t k = 0; k < f.Segments.size(); ++k) {
                const TMeasuredSegment& s = f.Segments[k];
                const double s0 = f.Starts[k], s1 = s0 + s.Length();
                const double from = std::max(a, s0), to = std::min(b, s1);
                if (to <= from) continue;
                const double t0 = from <= s0 ? 0.0 : s.ParameterAt(from - s0);
                const double t1 = to >= s1 ? 1.0 : s.ParameterAt(to - s0);
                const detail::TSegment part = s.Part(t0, t1);
                if (!started) {
                    sink.MoveTo(part.Start());
                    started = true;
                }
                EmitSegment(sink, part);
            }
        }
    }
    const TKwFillMode mode = Piece.FillMode();
    sink.Put(Piece, mode);
}

TKwPathData TKwPathMeasure::Piece(double Start, double Stop) const {
    TKwPathData piece;
    GetPiece(Start, Stop, piece);
    return piece;
}

double KwPathLength(const TKwPathData& Path) {
    return TKwPathMeasure(Path).Length();
}

} // namespace kw
