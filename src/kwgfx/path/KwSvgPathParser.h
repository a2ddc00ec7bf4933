// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// A strict reader of SVG path data (the `d` attribute as browsers and icon sets write it).
///
/// Unlike the lenient compatible path text of TKwPathData::SetPathString, this reader
/// follows the SVG path grammar to the letter: compact numbers ("1.81.627" is two numbers,
/// "-.621-2.895" too), exponents, single-character arc flags ("a1 1 0 01 5 5"), implicit
/// line-to after a move's first pair, smooth curves that reflect only after a curve of
/// their own kind, and the SVG error rule: everything up to the last complete command
/// before the first error is kept, and the error is reported, never thrown.
///
/// The reader resolves relative coordinates, H/V, smooth and quadratic curves itself and
/// reports absolute geometry through IKwSvgPathSink, so it is independent of any path class.
///
/// Numbers are read as double; the current point is kept in double, as the grammar defines
/// it, and every point handed to the sink is rounded to float once.

#include "kwgfx/geometry/KwTypes.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace kw {

/// The outcome of reading path data. On success Ok is true and the other fields are empty.
/// On failure the sink has received every command completed before the error, and:
///   Position  1-based character (code point) index where reading stopped;
///   Text      the offending text there (empty at the end of the data);
///   Message   a short description, e.g. "expected number", "unknown command 'X'".
struct TKwSvgPathResult {
    bool Ok = true;           ///< Whether the data was read without an error.
    std::size_t Position = 0; ///< Where reading stopped, 1-based; 0 on success.
    std::string Text;         ///< The offending text.
    std::string Message;      ///< What is wrong.

    /// Ok.
    explicit operator bool() const { return Ok; }
};

/// Receives the geometry of path data in absolute coordinates.
///   - A subpath always begins with MoveTo. After ClosePath, a drawing command that does
///     not start with a move first receives MoveTo(start of the closed subpath).
///   - Quadratic curves arrive as their exact cubic equivalents; smooth curves with their
///     derived first control point.
///   - ArcTo receives only arcs that need the ellipse: an arc whose end equals its start is
///     dropped and an arc with a zero radius arrives as LineTo, as SVG prescribes. Radii
///     may be negative or too small for the chord; the sink takes their magnitude and
///     scales them up.
class IKwSvgPathSink {
public:
    virtual ~IKwSvgPathSink() = default;
    /// Starts a subpath at P.
    virtual void MoveTo(const TKwPoint& P) = 0;
    /// A straight segment to P.
    virtual void LineTo(const TKwPoint& P) = 0;
    /// A cubic through the two control points to EndPoint.
    virtual void CurveTo(const TKwPoint& ControlPoint1, const TKwPoint& ControlPoint2,
                         const TKwPoint& EndPoint) = 0;
    /// An elliptical arc from StartPoint to EndPoint, with SVG's arc parameters as the data gives
    /// them.
    virtual void ArcTo(const TKwPoint& StartPoint, const TKwPoint& Radius, float XAxisRotation,
                       bool LargeArc, bool Sweep, const TKwPoint& EndPoint) = 0;
    /// Closes the subpath.
    virtual void ClosePath() = 0;
};

/// Reads Text and reports its commands to Sink. Never throws on bad text.
/// Empty text or text of white space only is valid and reports nothing.
TKwSvgPathResult ParseSvgPath(std::string_view Text, IKwSvgPathSink& Sink);

} // namespace kw
