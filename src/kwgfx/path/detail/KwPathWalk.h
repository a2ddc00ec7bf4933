// SPDX-License-Identifier: MIT
#pragma once
// The one walk over a path's entries that flattening, polygon conversion, hit testing and
// drawing share: one entry for a move, a line or a close, a group of three for a curve.
//
// Where the entry list breaks the building commands' invariants (it may come from a
// stream), the walk stays inside the list and still makes sense of it:
//   - a curve group cut short by the end of the list becomes lines to its points;
//   - entries of an unknown kind are skipped;
//   - a curve at index 0 starts at (0,0), where the building commands start;
//   - a curve right after a close starts at the point of the figure's move, which the
//     close's own point only copies (transforms leave close points as they were).

#include "kwgfx/path/KwPathPoint.h"

#include <cstddef>
#include <span>

namespace kw::detail {

// Visitor receives, in path order:
//   Move(i, P), Line(i, P), Close(i, P)                   the entry at index i
//   Curve(i, P0, C1, C2, P3)                              the group at i, i+1, i+2
// A visitor with a member `bool Done() const` ends the walk early once it returns true.
template <typename Visitor>
void WalkPath(std::span<const TKwPathPoint> Entries, Visitor&& V) {
    const size_t count = Entries.size();
    TKwPoint figureStart;
    bool haveMove = false;
    size_t i = 0;
    while (i < count) {
        if constexpr (requires { V.Done(); }) {
            if (V.Done()) return;
        }
        const TKwPathPoint& e = Entries[i];
        switch (e.Kind) {
        case ppMoveTo:
            figureStart = e.Point;
            haveMove = true;
            V.Move(i, TKwPoint(e.Point));
            ++i;
            break;
        case ppLineTo:
            V.Line(i, TKwPoint(e.Point));
            ++i;
            break;
        case ppCurveTo: {
            if (count - i < 3) {
                for (; i < count; ++i) V.Line(i, TKwPoint(Entries[i].Point));
                break;
            }
            TKwPoint p0;
            if (i > 0) {
                const TKwPathPoint& prev = Entries[i - 1];
                p0 = (prev.Kind == ppClose && haveMove) ? figureStart : TKwPoint(prev.Point);
            }
            V.Curve(i, p0, TKwPoint(Entries[i].Point), TKwPoint(Entries[i + 1].Point),
                    TKwPoint(Entries[i + 2].Point));
            i += 3;
            break;
        }
        case ppClose:
            V.Close(i, TKwPoint(e.Point));
            ++i;
            break;
        default:
            ++i;
            break;
        }
    }
}

} // namespace kw::detail
