// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// One entry of a path: a one-byte kind followed by a point, exactly 9 bytes with no
/// padding. The stream format and the bulk copies of whole entry arrays rely on that layout.
///
/// The point's floats sit at byte offset 1, so they are never aligned. Rather than a packed
/// TKwPoint member (whose constructors and member functions would then run on misaligned
/// addresses), the point is kept as 8 raw bytes behind TKwPackedPoint, which converts to
/// and from TKwPoint by copying. Read it by value: `TKwPoint p = Entry.Point;`.

#include "kwgfx/geometry/KwTypes.h"

#include <array>
#include <bit>
#include <cstdint>
#include <type_traits>

namespace kw {

/// The kind of a path entry.
enum TKwPathPointKind : uint8_t {
    ppMoveTo = 0,  ///< start of a new subpath
    ppLineTo = 1,  ///< end of a straight segment from the previous entry's point
    ppCurveTo = 2, ///< one of the three points of a cubic segment
    ppClose = 3    ///< closes the subpath; the point is the subpath's start point
};

/// The rule that tells the inside of overlapping figures: even-odd or nonzero winding.
enum TKwFillMode : uint8_t { fmEvenOdd = 0, fmNonZero = 1 };

/// A TKwPoint stored as X then Y, each a native 32-bit IEEE single, in 8 bytes of
/// alignment 1. Every access copies the bytes in or out.
class TKwPackedPoint {
public:
    constexpr TKwPackedPoint() = default;
    /// The bytes of P.
    constexpr TKwPackedPoint(const TKwPoint& P) { Set(P); }

    /// The point, copied out.
    constexpr TKwPoint Get() const { return {Load(0), Load(4)}; }
    /// Copies P in.
    constexpr void Set(const TKwPoint& P) {
        Store(0, P.X);
        Store(4, P.Y);
    }
    /// One coordinate, copied out.
    ///@{
    constexpr float X() const { return Load(0); }
    constexpr float Y() const { return Load(4); }
    ///@}
    /// Copies one coordinate in.
    ///@{
    constexpr void SetX(float V) { Store(0, V); }
    constexpr void SetY(float V) { Store(4, V); }
    ///@}

    /// The point, copied out.
    constexpr operator TKwPoint() const { return Get(); }
    /// Copies P in.
    constexpr TKwPackedPoint& operator=(const TKwPoint& P) {
        Set(P);
        return *this;
    }

private:
    using Bytes4 = std::array<unsigned char, 4>;
    constexpr float Load(int Offset) const {
        Bytes4 b{FBytes[Offset], FBytes[Offset + 1], FBytes[Offset + 2], FBytes[Offset + 3]};
        return std::bit_cast<float>(b);
    }
    constexpr void Store(int Offset, float V) {
        const Bytes4 b = std::bit_cast<Bytes4>(V);
        for (int i = 0; i < 4; ++i) FBytes[Offset + i] = b[i];
    }

    unsigned char FBytes[8]{};
};

/// One entry of a path: its kind and its point, 9 bytes with no padding.
struct TKwPathPoint {
    TKwPathPointKind Kind = ppMoveTo; ///< What the entry is.
    TKwPackedPoint Point; ///< Its point; see TKwPathPointKind for what it means for each kind.

    constexpr TKwPathPoint() = default;
    /// The entry of kind AKind at APoint.
    constexpr TKwPathPoint(TKwPathPointKind AKind, const TKwPoint& APoint)
        : Kind(AKind), Point(APoint) {}

    /// Same kind and exactly the same coordinates, compared as floats (TKwPoint::SameAs): no
    /// tolerance, and 0 equals -0. Path entries are finite (the path's guarantees); a NaN,
    /// which only a caller's own building call could put in, equals nothing, as in float
    /// arithmetic.
    friend constexpr bool operator==(const TKwPathPoint& A, const TKwPathPoint& B) {
        return A.Kind == B.Kind && A.Point.Get().SameAs(B.Point.Get());
    }
};

static_assert(sizeof(TKwPathPoint) == 9, "a path entry is 9 bytes: kind, X, Y");
static_assert(alignof(TKwPathPoint) == 1);
static_assert(std::is_trivially_copyable_v<TKwPathPoint>);
static_assert(std::is_standard_layout_v<TKwPathPoint>);

} // namespace kw
