// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The elliptical arc of SVG path data ("A"/"a") as cubic Bezier curves.
///
/// The arc is given as path text gives it: start and end point, the two radii, the x-axis
/// rotation in degrees and the large-arc and sweep flags. It is converted to the ellipse's
/// centre, start angle and sweep, with the rules SVG sets for out-of-range parameters:
///   - equal end points: no arc at all;
///   - a zero radius: a straight line to the end point;
///   - negative radii count by their magnitude; radii too small to span the chord are scaled
///     up, keeping their ratio, until the ellipse just reaches (its centre is then the
///     chord's midpoint);
///   - the rotation counts modulo 360 degrees.
/// The arc is then cut into 1 to 4 equal pieces of at most a quarter turn (a quarter turn
/// and a thousandth of it, so that a quarter turn between float end points stays one piece)
/// and each piece becomes one cubic with control points 4/3 * tan(piece / 4) of the way
/// along the tangents.
///
/// Everything is computed in double and rounded to float once per output point; the last
/// curve ends exactly on End, so the next segment of the text starts where the arc ended.
/// The compatible path text keeps its own arc builder (TKwPathData::AddArcSvg, float
/// intermediates); this one serves the strict SVG reader, where speed and SVG's exact rules
/// matter.

#include "kwgfx/geometry/KwTypes.h"

#include <array>

namespace kw {

/// An SVG arc as SvgArcToCubics converts it: nothing, a line to the end point, or cubics.
struct TKwSvgArcCurves {
    /// What the arc became: nothing (equal end points), a straight line (a zero radius or a result
    /// beyond the float range) or cubics.
    enum TShape { Nothing, Line, Curves };
    TShape Shape = Nothing; ///< What the arc became.
    /// For Curves: the number of cubics (1 to 4) and their points, three per cubic
    /// (first control point, second control point, end point). The first cubic starts at
    /// the arc's start point.
    int CurveCount = 0;
    /// The cubics' points, three per cubic; CurveCount cubics are used.
    std::array<TKwPoint, 12> Points{};
};

/// Converts the arc from Start to End. A result that would leave the float range (radii near
/// the largest float with the large arc, for instance) becomes a Line, like a zero radius.
TKwSvgArcCurves SvgArcToCubics(const TKwPoint& Start, const TKwPoint& Radius, float XAxisRotation,
                               bool LargeArc, bool Sweep, const TKwPoint& End);

} // namespace kw
