// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The float geometry records of the library (single precision, every stored result
/// rounded to float), the arrays built from them, the shared callback types and
/// enumerations, and the platform records re-exported into namespace kw.

#include "kwgfx/platform/base/Object.h"
#include "kwgfx/platform/graphics/Types.h"

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace kw {

using platform::TColor;
using platform::TNotifyEvent;
using platform::TObject;
using platform::TPoint;
using platform::TRect;

/// A point in float coordinates.
struct TKwPoint {
    float X = 0; ///< The horizontal coordinate.
    float Y = 0; ///< The vertical coordinate.
    constexpr TKwPoint() = default;
    /// The point (AX, AY).
    constexpr TKwPoint(float AX, float AY) : X(AX), Y(AY) {}
    /// Exact comparison of the stored bits' values; the fuzzy comparison of points is
    /// operator== of KwPointOps.h.
    constexpr bool SameAs(const TKwPoint& O) const { return X == O.X && Y == O.Y; }
};

/// A width and a height in floats.
struct TKwSize {
    float cx = 0; ///< The width.
    float cy = 0; ///< The height.
    constexpr TKwSize() = default;
    /// The size (ACx, ACy).
    constexpr TKwSize(float ACx, float ACy) : cx(ACx), cy(ACy) {}
};

/// A reference to two floats of a record, viewed as a point: reading converts to a
/// TKwPoint, assigning a TKwPoint writes both floats in place.
class TKwPointRef {
public:
    /// A view of AX and AY, which must outlive it.
    constexpr TKwPointRef(float& AX, float& AY) : X(AX), Y(AY) {}
    /// The two floats as a point.
    constexpr operator TKwPoint() const { return {X, Y}; }
    /// Writes P's coordinates into the two floats.
    constexpr TKwPointRef& operator=(const TKwPoint& P) {
        X = P.X;
        Y = P.Y;
        return *this;
    }
    /// Writes the point P views into this view's floats.
    constexpr TKwPointRef& operator=(const TKwPointRef& P) { return *this = TKwPoint(P); }
    float& X; ///< The viewed horizontal coordinate.
    float& Y; ///< The viewed vertical coordinate.
};

/// An axis-aligned rectangle; no ordering invariant (Right < Left is allowed until
/// FixRect normalises it). TopLeft() and BottomRight() view the same storage as points.
struct TKwRect {
    float Left = 0;   ///< The left edge.
    float Top = 0;    ///< The top edge.
    float Right = 0;  ///< The right edge.
    float Bottom = 0; ///< The bottom edge.
    constexpr TKwRect() = default;
    /// The rectangle with the edges L, T, R and B, taken as they are.
    constexpr TKwRect(float L, float T, float R, float B) : Left(L), Top(T), Right(R), Bottom(B) {}

    /// The corners (Left, Top) and (Right, Bottom) as points.
    ///@{
    constexpr TKwPoint TopLeft() const { return {Left, Top}; }
    constexpr TKwPoint BottomRight() const { return {Right, Bottom}; }
    ///@}
    /// The corners as views of the rectangle's own fields: assigning a point moves the corner.
    ///@{
    constexpr TKwPointRef TopLeft() { return {Left, Top}; }
    constexpr TKwPointRef BottomRight() { return {Right, Bottom}; }
    ///@}

    /// Resizes and centres this rectangle to fit Bounds keeping its aspect ratio
    /// (FitRect without stretching); returns the ratio. Defined with FitRect.
    float Fit(const TKwRect& Bounds);
};

/// A list of float points.
using TKwPoints = std::vector<TKwPoint>;
/// A list of integer canvas points.
using TCanvasPoints = std::vector<TPoint>;
/// Several float point lists, one polygon each.
using TKwPolygons = std::vector<TKwPoints>;
/// Several integer point lists, one polygon each.
using TPointPolygons = std::vector<TCanvasPoints>;
/// A list of colours.
using TColors = std::vector<TColor>;
/// A cubic Bezier segment: start point, two control points, end point.
using TKwCubicBezier = std::array<TKwPoint, 4>;

/// Tells a listener a rectangle.
using TKwRectEvent = std::function<void(TObject* Sender, TKwRect aRect)>;
/// Asks a listener for a rectangle: the caller uses what the listener leaves in aRect.
using TKwGetRectEvent = std::function<void(TObject* Sender, TKwRect& aRect)>;

/// A small set of enumeration members: bit n stands for the member of ordinal n.
template <typename E, typename Bits = uint8_t>
class TKwSet {
public:
    constexpr TKwSet() = default;
    /// The set of the given members.
    constexpr TKwSet(std::initializer_list<E> Members) {
        for (E m : Members) Include(m);
    }
    /// The set whose bits are B.
    static constexpr TKwSet FromBits(Bits B) {
        TKwSet s;
        s.FBits = B;
        return s;
    }
    /// The bits of the set: bit n for the member of ordinal n.
    constexpr Bits ToBits() const { return FBits; }
    /// Whether M is in the set.
    constexpr bool Contains(E M) const { return (FBits >> static_cast<unsigned>(M)) & 1u; }
    /// Adds M; returns the set.
    constexpr TKwSet& Include(E M) {
        FBits = static_cast<Bits>(FBits | (Bits(1) << static_cast<unsigned>(M)));
        return *this;
    }
    /// Removes M; returns the set.
    constexpr TKwSet& Exclude(E M) {
        FBits = static_cast<Bits>(FBits & ~(Bits(1) << static_cast<unsigned>(M)));
        return *this;
    }
    /// Whether no member is in the set.
    constexpr bool IsEmpty() const { return FBits == 0; }
    friend constexpr TKwSet operator+(TKwSet A, TKwSet B) {
        return FromBits(Bits(A.FBits | B.FBits));
    }
    friend constexpr TKwSet operator*(TKwSet A, TKwSet B) {
        return FromBits(Bits(A.FBits & B.FBits));
    }
    friend constexpr TKwSet operator-(TKwSet A, TKwSet B) {
        return FromBits(Bits(A.FBits & ~B.FBits));
    }
    friend constexpr bool operator==(TKwSet, TKwSet) = default;

private:
    Bits FBits = 0;
};

/// The four sides of a rectangle.
enum TKwSide : uint8_t { sdTop, sdLeft, sdBottom, sdRight };
/// A set of sides.
using TKwSides = TKwSet<TKwSide>;

/// Where text sits in a rectangle: vertical position (top, centre, bottom) times horizontal
/// position (left, centre, right).
enum T2DTextAlignment : uint8_t {
    taTopLeft,
    taTopCenter,
    taTopRight,
    taCenterLeft,
    taCentered,
    taCenterRight,
    taBottomLeft,
    taBottomCenter,
    taBottomRight
};

} // namespace kw
