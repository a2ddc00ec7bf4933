// SPDX-License-Identifier: MIT
#pragma once
// Collects the entries of a path that the toolbox builds, from double-precision points:
// moves, lines, cubics and closes, each point rounded to float once (held within the float
// range). Lines that would repeat the point before them are left out. Put then hands the
// entries to a path in one change.

#include "kwgfx/path/KwPathData.h"
#include "kwgfx/path/KwPathPoint.h"
#include "kwgfx/path/detail/KwVec2.h"

#include <vector>

namespace kw::detail {

class TEntrySink {
public:
    void MoveTo(const TVec2& P) {
        const TKwPoint p = ToFloatPoint(P);
        // A move right after a move replaces it: the first one drew nothing.
        if (!FEntries.empty() && FEntries.back().Kind == ppMoveTo)
            FEntries.back() = TKwPathPoint(ppMoveTo, p);
        else
            FEntries.emplace_back(ppMoveTo, p);
        FStart = p;
        FLast = p;
    }
    void LineTo(const TVec2& P) {
        const TKwPoint p = ToFloatPoint(P);
        if (p.SameAs(FLast)) return;
        FEntries.emplace_back(ppLineTo, p);
        FLast = p;
    }
    void CubicTo(const TVec2& C1, const TVec2& C2, const TVec2& P) {
        const TKwPoint c1 = ToFloatPoint(C1), c2 = ToFloatPoint(C2), p = ToFloatPoint(P);
        // A curve that rounds to one point adds nothing to the outline.
        if (c1.SameAs(FLast) && c2.SameAs(FLast) && p.SameAs(FLast)) return;
        FEntries.emplace_back(ppCurveTo, c1);
        FEntries.emplace_back(ppCurveTo, c2);
        FEntries.emplace_back(ppCurveTo, p);
        FLast = p;
    }
    // A figure that is one point: a move and a line to the same point.
    void PointFigure(const TVec2& P) {
        MoveTo(P);
        FEntries.emplace_back(ppLineTo, FLast);
    }
    void Close() {
        if (FEntries.empty()) return;
        if (FEntries.back().Kind == ppMoveTo) {
            FEntries.pop_back(); // a figure of nothing
            return;
        }
        FEntries.emplace_back(ppClose, FStart);
        FLast = FStart;
    }
    bool Empty() const { return FEntries.empty(); }
    std::vector<TKwPathPoint>& Entries() { return FEntries; }

    // Replaces Path's entries with the collected ones (a trailing lone move dropped) and
    // sets its fill mode, with one change.
    void Put(TKwPathData& Path, TKwFillMode FillMode) {
        if (!FEntries.empty() && FEntries.back().Kind == ppMoveTo) FEntries.pop_back();
        Path.BeginUpdate();
        Path.SetFillMode(FillMode);
        Path.SetEntries(std::move(FEntries));
        Path.EndUpdate();
        FEntries.clear();
    }

private:
    std::vector<TKwPathPoint> FEntries;
    TKwPoint FStart, FLast;
};

} // namespace kw::detail
