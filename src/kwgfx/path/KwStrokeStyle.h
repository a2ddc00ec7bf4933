// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// How a stroke is drawn along a path: its width, the shape of its corners (joins) and of
/// the ends of open figures (caps), the miter limit, an optional dash pattern, and the
/// tolerance its outline is built within. KwStrokeOutline (KwStrokeOutline.h) turns a path
/// and a style into the outline that fills like the stroke; KwPointInStroke
/// (KwStrokeHitTest.h) tests points against it; KwDashPath (KwPathDash.h) cuts the dashes.

#include <cstdint>
#include <vector>

namespace kw {

/// The shape of a stroke's corner where two segments meet.
enum TKwLineJoin : uint8_t {
    ljMiter = 0, ///< sharp: the outer edges extended to meet, unless that exceeds the miter limit
    ljRound = 1, ///< a circular arc around the corner
    ljBevel = 2  ///< the outer edges' ends joined by a straight line
};

/// The shape of a stroke's ends on open figures (and on dashes).
enum TKwLineCap : uint8_t {
    lcButt = 0,  ///< square, ending exactly at the end point
    lcRound = 1, ///< a half disc around the end point
    lcSquare = 2 ///< square, reaching half the width beyond the end point
};

/// A stroke's geometry; see the file's description.
struct TKwStrokeStyle {
    /// The full width of the stroke; zero, negative or not a number strokes nothing.
    float Width = 1;
    /// The corners' shape.
    TKwLineJoin Join = ljMiter;
    /// The ends' shape.
    TKwLineCap Cap = lcButt;
    /// A miter corner whose tip lies farther than MiterLimit * Width / 2 from the corner is
    /// drawn as a bevel (SVG's stroke-miterlimit); values below 1 act as 1.
    float MiterLimit = 4;
    /// Lengths of dashes and gaps in turn, starting with a dash; an odd count is repeated
    /// once to make it even. Empty, or a pattern with a negative or non-finite length or a
    /// zero sum, or one that would cut more than 65536 dashes, draws a solid stroke.
    std::vector<float> Dashes;
    /// How far into the pattern the stroke starts; a negative offset counts back from the
    /// pattern's end.
    float DashOffset = 0;
    /// The largest distance, in path units, between the built outline and the exact one;
    /// values below 0.001 act as 0.001, and zero, negative values or not a number as 0.1.
    float Tolerance = 0.1f;
};

} // namespace kw
