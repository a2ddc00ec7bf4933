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

struct TKwPoint {
    float X = 0;
    float Y = 0;
    constexpr TKwPoint() = default;
    constexpr TKwPoint(float AX, float AY) : X(AX), Y(AY) {}
    /// Exact comparison of the stored bits' values; the fuzzy comparison of points is
    /// operator== of KwPointOps.h.
    constexpr bool SameAs(const TKwPoint& O) const { return X == O.X && Y == O.Y; }
};

struct TKwSize {
    float cx = 0;
    float cy = 0;
    constexpr TKwSize() = default;
    constexpr TKwSize(float ACx, float ACy) : cx(ACx), cy(ACy) {}
};

/// A reference to two floats of a record, viewed as a point: reading converts to a
/// TKwPoint, assigning a TKwPoint writes both floats in place.
class TKwPointRef {
public:
    constexpr TKwPointRef(float& AX, float& AY) : X(AX), Y(AY) {}
    constexpr operator TKwPoint() const { return {X, Y}; }
    constexpr TKwPointRef& operator=(const TKwPoint& P) {
        X = P.X;
        Y = P.Y;
        return *this;
    }
    constexpr TKwPointRef& operator=(const TKwPointRef& P) { return *this = TKwPoint(P); }
    float& X;
    float& Y;
};

/// An axis-aligned rectangle; no ordering invariant (Right < Left is allowed until
/// FixRect normalises it). TopLeft() and BottomRight() view the same storage as points.
struct TKwRect {
    float Left = 0;
    float Top = 0;
    float Right = 0;
    float Bottom = 0;
    constexpr TKwRect() = default;
    constexpr TKwRect(float L, float T, float R, float B) : Left(L), Top(T), Right(R), Bottom(B) {}

    constexpr TKwPoint TopLeft() const { return {Left, Top}; }
    constexpr TKwPoint BottomRight() const { return {Right, Bottom}; }
    constexpr TKwPointRef TopLeft() { return {Left, Top}; }
    constexpr TKwPointRef BottomRight() { return {Right, Bottom}; }

    /// Resizes and centres this rectangle to fit Bounds keeping its aspect ratio
    /// (FitRect without stretching); returns the ratio. Defined with FitRect.
    float Fit(const TKwRect& Bounds);
};

using TKwPoints = std::vector<TKwPoint>;
using TCanvasPoints = std::vector<TPoint>;
using TKwPolygons = std::vector<TKwPoints>;
using TPointPolygons = std::vector<TCanvasPoints>;
using TColors = std::vector<TColor>;
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
    constexpr TKwSet(std::initializer_list<E> Members) {
        for (E m : Members) Include(m);
    }
    static constexpr TKwSet FromBits(Bits B) {
        TKwSet s;
        s.FBits = B;
        return s;
    }
    constexpr Bits ToBits() const { return FBits; }
    constexpr bool Contains(E M) const { return (FBits >> static_cast<unsigned>(M)) & 1u; }
    constexpr TKwSet& Include(E M) {
        FBits = static_cast<Bits>(FBits | (Bits(1) << static_cast<unsigned>(M)));
        return *this;
    }
    constexpr TKwSet& Exclude(E M) {
        FBits = static_cast<Bits>(FBits & ~(Bits(1) << static_cast<unsigned>(M)));
        return *this;
    }
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

enum TKwSide : uint8_t { sdTop, sdLeft, sdBottom, sdRight };
using TKwSides = TKwSet<TKwSide>;

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
