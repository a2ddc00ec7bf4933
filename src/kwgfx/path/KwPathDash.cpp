// SPDX-License-Identifier: MIT
// Dashes (KwPathDash.h): the figures walked by arc length (detail/KwArcLength.h), each
// segment cut where the pattern switches between dash and gap.

#include "kwgfx/path/KwPathDash.h"

#include "kwgfx/path/detail/KwArcLength.h"
#include "kwgfx/path/detail/KwDasher.h"
#include "kwgfx/path/detail/KwEntrySink.h"

#include <cmath>

namespace kw {

namespace detail {

bool IsDashPattern(std::span<const float> Pattern) {
    if (Pattern.empty()) return false;
    double sum = 0;
    for (const float d : Pattern) {
        if (!std::isfinite(d) || d < 0) return false;
        sum += d;
    }
    return sum > 0 && std::isfinite(sum);
}

namespace {

// Where in the pattern a walk stands: the element and what is left of it.
struct TPatternState {
    size_t Index = 0;
    double Left = 0;
    bool On() const { return Index % 2 == 0; }
};

class TFigureDasher {
public:
    TFigureDasher(const std::vector<double>& Pattern, const TPatternState& Start,
                  std::vector<TSegmentFigure>& Out)
        : FPattern(Pattern), FState(Start), FOut(Out) {}

    void Run(const TSegmentFigure& Figure, const std::vector<TMeasuredSegment>& Segments) {
        const bool startsOn = FState.On() && FState.Left > 0;
        const size_t firstDash = FOut.size();
        bool toggled = false;
        for (const TMeasuredSegment& m : Segments) {
            const double length = m.Length();
            double pos = 0, t = 0;
            for (;;) {
                const double step = std::min(FState.Left, length - pos);
                const bool ends = FState.Left <= length - pos;
                const double next = ends ? pos + FState.Left : length;
                const double tNext = next >= length ? 1.0 : m.ParameterAt(next);
                if (FState.On()) {
                    if (step > 0) {
                        Open(m.PointAt(t));
                        FCurrent.Segments.push_back(m.Part(t, tNext));
                    } else if (!FOpen) {
                        PointDash(m.PointAt(t), m.TangentAt(t));
                    }
                }
                if (!ends) {
                    // The element goes on into the next segment.
                    FState.Left -= length - pos;
                    break;
                }
                pos = next;
                t = tNext;
                // The element ends here: the next one begins.
                if (FState.On()) Finish();
                FState.Index = (FState.Index + 1) % FPattern.size();
                FState.Left = FPattern[FState.Index];
                toggled = true;
                if (pos >= length && FState.Left > 0) break;
            }
        }
        if (!FOpen) return;
        if (Figure.Closed && !toggled) {
            // The dash never ended: the figure stays whole.
            FCurrent.Closed = true;
            FCurrent.ClosingLine = Figure.ClosingLine;
            Finish();
            return;
        }
        if (Figure.Closed && startsOn && firstDash < FOut.size()) {
            // The last dash runs over the start into the first one.
            TSegmentFigure& first = FOut[firstDash];
            FCurrent.Segments.insert(FCurrent.Segments.end(), first.Segments.begin(),
                                     first.Segments.end());
            first = std::move(FCurrent);
            FCurrent = {};
            FOpen = false;
            return;
        }
        Finish();
    }

private:
    void Open(const TVec2& At) {
        if (FOpen) return;
        FCurrent = {};
        FCurrent.Start = At;
        FOpen = true;
    }
    void Finish() {
        if (FOpen) FOut.push_back(std::move(FCurrent));
        FCurrent = {};
        FOpen = false;
    }
    void PointDash(const TVec2& At, const TVec2& Direction) {
        TSegmentFigure f;
        f.Start = At;
        f.Segments.push_back(TSegment::Line(At, At));
        f.PointDirection = Direction;
        FOut.push_back(std::move(f));
    }

    const std::vector<double>& FPattern;
    TPatternState FState;
    std::vector<TSegmentFigure>& FOut;
    TSegmentFigure FCurrent;
    bool FOpen = false;
};

} // namespace

std::vector<TSegmentFigure> DashFigures(const std::vector<TSegmentFigure>& Figures,
                                        std::span<const float> Pattern, float Offset) {
    std::vector<double> pattern(Pattern.begin(), Pattern.end());
    if (pattern.size() % 2 == 1) pattern.insert(pattern.end(), Pattern.begin(), Pattern.end());
    double period = 0;
    for (const double d : pattern) period += d;

    // Where the pattern stands at the start of every figure.
    double phase = std::isfinite(Offset) ? std::fmod(double(Offset), period) : 0;
    if (phase < 0) phase += period;
    TPatternState start{0, pattern[0]};
    while (phase > 0) {
        if (phase < start.Left) {
            start.Left -= phase;
            break;
        }
        phase -= start.Left;
        start.Index = (start.Index + 1) % pattern.size();
        start.Left = pattern[start.Index];
    }

    std::vector<std::vector<TMeasuredSegment>> measured(Figures.size());
    double dashes = 0;
    for (size_t i = 0; i < Figures.size(); ++i) {
        double length = 0;
        for (const TSegment& s : Figures[i].Segments) {
            if (s.IsPoint()) continue;
            measured[i].emplace_back(s);
            length += measured[i].back().Length();
        }
        dashes += (length / period + 1) * double(pattern.size());
    }
    if (!(dashes <= MaxDashes)) return Figures;

    std::vector<TSegmentFigure> out;
    for (size_t i = 0; i < Figures.size(); ++i) {
        if (measured[i].empty()) continue;
        TFigureDasher(pattern, start, out).Run(Figures[i], measured[i]);
    }
    return out;
}

} // namespace detail

void KwDashPath(const TKwPathData& Path, std::span<const float> Pattern, float Offset,
                TKwPathData& Dashed) {
    std::vector<detail::TSegmentFigure> figures = detail::SegmentFigures(Path.Entries());
    if (detail::IsDashPattern(Pattern)) figures = detail::DashFigures(figures, Pattern, Offset);
    detail::TEntrySink sink;
    for (const detail::TSegmentFigure& f : figures) {
        if (detail::IsPointFigure(f) && !f.Closed) {
            sink.PointFigure(f.Segments.empty() ? f.Start : f.Segments.front().Start());
            continue;
        }
        sink.MoveTo(f.Start);
        const size_t n = f.Segments.size() - (f.Closed && f.ClosingLine ? 1 : 0);
        for (size_t i = 0; i < n; ++i) {
            const detail::TSegment& s = f.Segments[i];
            if (s.Curve)
                sink.CubicTo(s.C.P[1], s.C.P[2], s.C.P[3]);
            else
                sink.LineTo(s.End());
        }
        if (f.Closed) sink.Close();
    }
    sink.Put(Dashed, Path.FillMode());
}

TKwPathData KwDashPath(const TKwPathData& Path, std::span<const float> Pattern, float Offset) {
    TKwPathData dashed;
    KwDashPath(Path, Pattern, Offset, dashed);
    return dashed;
}

} // namespace kw
