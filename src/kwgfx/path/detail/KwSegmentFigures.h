// SPDX-License-Identifier: MIT
#pragma once
// A path read as figures of segments in doubles, the form the stroke outline, dashes and
// measuring work on.
//
//   - A move starts a figure; a close adds the line back to the figure's start (when the
//     last point is elsewhere) and marks it closed; segments after a close without a move
//     start a new figure at the same start, as drawing does.
//   - A figure with a point that is not finite is left out whole.
//   - A lone move gives no figure; a move followed by a close gives a closed figure without
//     segments (a dot, for round ends).
//   - Zero-length segments stay: each consumer decides what they mean.

#include "kwgfx/path/KwPathPoint.h"
#include "kwgfx/path/detail/KwCubic.h"

#include <span>
#include <vector>

namespace kw::detail {

struct TSegment {
    bool Curve = false; // a line uses C.P[0] and C.P[3] only
    TCubic C;

    const TVec2& Start() const { return C.P[0]; }
    const TVec2& End() const { return C.P[3]; }
    bool IsPoint() const { return Curve ? C.IsPoint() : C.P[0] == C.P[3]; }
    // The unit direction at the start and the end (zero for a point).
    TVec2 StartDirection() const { return Curve ? C.StartDirection() : Unit(C.P[3] - C.P[0]); }
    TVec2 EndDirection() const { return Curve ? C.EndDirection() : Unit(C.P[3] - C.P[0]); }

    static TSegment Line(const TVec2& A, const TVec2& B) { return {false, {{A, A, B, B}}}; }
    static TSegment Cubic(const TCubic& C) { return {true, C}; }
};

struct TSegmentFigure {
    std::vector<TSegment> Segments;
    TVec2 Start;
    bool Closed = false;
    // The last segment is the line the close added back to the start, which writing the
    // figure out again leaves to the close.
    bool ClosingLine = false;
    // For a figure that is a single point cut out of a longer one (a dash of length zero):
    // the direction of the line it was cut from, which orients square ends. Zero otherwise.
    TVec2 PointDirection;
};

std::vector<TSegmentFigure> SegmentFigures(std::span<const TKwPathPoint> Entries);

// Whether every segment of the figure is a single point.
bool IsPointFigure(const TSegmentFigure& Figure);

} // namespace kw::detail
