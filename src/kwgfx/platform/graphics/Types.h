// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The integer records of the drawing platform: pixel points, rectangles, sizes and
/// colour values. The library only reads and builds them.

#include <cstdint>

namespace kw::platform {

/// A pixel position; see TRect for how pixels are counted.
struct TPoint {
    int32_t X = 0; ///< The column.
    int32_t Y = 0; ///< The row.
    constexpr TPoint() = default;
    /// The point (AX, AY).
    constexpr TPoint(int32_t AX, int32_t AY) : X(AX), Y(AY) {}
    friend constexpr bool operator==(const TPoint&, const TPoint&) = default;
};

/// A point of the platform's float drawing interfaces: two single-precision coordinates.
struct TPointF {
    float X = 0; ///< The horizontal coordinate.
    float Y = 0; ///< The vertical coordinate.
    friend constexpr bool operator==(const TPointF&, const TPointF&) = default;
};

/// A width and a height in pixels.
struct TSize {
    int32_t cx = 0; ///< The width.
    int32_t cy = 0; ///< The height.
    friend constexpr bool operator==(const TSize&, const TSize&) = default;
};

/// Width is Right - Left, height Bottom - Top, in 32-bit arithmetic that wraps around (a
/// rectangle wider than 2^31 - 1 reports a negative width; code that must handle such
/// rectangles computes in 64 bits); a rectangle (L, T, R, B) covers pixel columns L..R-1
/// and rows T..B-1.
struct TRect {
    int32_t Left = 0;   ///< The first column.
    int32_t Top = 0;    ///< The first row.
    int32_t Right = 0;  ///< The column after the last.
    int32_t Bottom = 0; ///< The row after the last.
    constexpr TRect() = default;
    /// The rectangle with these edges, taken as they are.
    constexpr TRect(int32_t L, int32_t T, int32_t R, int32_t B)
        : Left(L), Top(T), Right(R), Bottom(B) {}
    /// The rectangle with these corners.
    constexpr TRect(TPoint TopLeft, TPoint BottomRight)
        : Left(TopLeft.X), Top(TopLeft.Y), Right(BottomRight.X), Bottom(BottomRight.Y) {}
    /// Right - Left, wrapping around in 32 bits.
    constexpr int32_t Width() const { return int32_t(uint32_t(Right) - uint32_t(Left)); }
    /// Bottom - Top, wrapping around in 32 bits.
    constexpr int32_t Height() const { return int32_t(uint32_t(Bottom) - uint32_t(Top)); }
    /// (Left, Top).
    constexpr TPoint TopLeft() const { return {Left, Top}; }
    /// (Right, Bottom).
    constexpr TPoint BottomRight() const { return {Right, Bottom}; }
    friend constexpr bool operator==(const TRect&, const TRect&) = default;
};

/// A colour value: 0x00BBGGRR for an RGB colour (red in the low byte); a value with the
/// top byte 0xFF names a system colour (its low byte is the index into the system colour
/// table); clNone and clDefault are special values.
using TColor = int32_t;

} // namespace kw::platform
