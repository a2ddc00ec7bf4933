// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The plain values of the rasteriser: points, affine transforms, pixel boxes, fill rules,
/// and views of the pixels it writes (Cairo's image layout, without Cairo: 32-bit
/// premultiplied ARGB in native byte order, or 8-bit coverage, any row stride).
///
/// Coordinates are device pixels: pixel (x, y) is the square from (x, y) to (x + 1, y + 1),
/// so its centre is (x + 1/2, y + 1/2).

#include <cstddef>
#include <cstdint>

namespace kw::raster {

/// A point in double precision.
struct TVertex {
    double X = 0; ///< The horizontal coordinate.
    double Y = 0; ///< The vertical coordinate, growing downwards.
    friend constexpr bool operator==(const TVertex&, const TVertex&) = default;
};

/// An affine transform x' = XX x + XY y + X0, y' = YX x + YY y + Y0 (Cairo's matrix layout).
struct TAffine {
    double XX = 1; ///< Scale of x into x.
    double YX = 0; ///< Shear of x into y.
    double XY = 0; ///< Shear of y into x.
    double YY = 1; ///< Scale of y into y.
    double X0 = 0; ///< Horizontal move.
    double Y0 = 0; ///< Vertical move.

    /// The point transformed.
    constexpr TVertex Apply(TVertex P) const {
        return {XX * P.X + XY * P.Y + X0, YX * P.X + YY * P.Y + Y0};
    }
    /// This transform followed by a move of (Dx, Dy).
    constexpr TAffine Moved(double Dx, double Dy) const {
        return {XX, YX, XY, YY, X0 + Dx, Y0 + Dy};
    }
    /// The transform that applies Inner first, then this one.
    constexpr TAffine After(const TAffine& Inner) const {
        return {XX * Inner.XX + XY * Inner.YX,      YX * Inner.XX + YY * Inner.YX,
                XX * Inner.XY + XY * Inner.YY,      YX * Inner.XY + YY * Inner.YY,
                XX * Inner.X0 + XY * Inner.Y0 + X0, YX * Inner.X0 + YY * Inner.Y0 + Y0};
    }
    /// Whether this is the identity, possibly moved.
    constexpr bool IsTranslation() const { return XX == 1 && YX == 0 && XY == 0 && YY == 1; }
};

/// A box of whole pixels: columns Left..Right-1, rows Top..Bottom-1.
struct TPixelBox {
    int Left = 0;   ///< First column.
    int Top = 0;    ///< First row.
    int Right = 0;  ///< One past the last column.
    int Bottom = 0; ///< One past the last row.

    /// Columns in the box (0 when empty).
    constexpr int Width() const { return Right > Left ? Right - Left : 0; }
    /// Rows in the box (0 when empty).
    constexpr int Height() const { return Bottom > Top ? Bottom - Top : 0; }
    /// Whether the box holds no pixel.
    constexpr bool Empty() const { return Width() == 0 || Height() == 0; }
    /// The pixels in both boxes.
    constexpr TPixelBox Intersected(const TPixelBox& B) const {
        return {Left > B.Left ? Left : B.Left, Top > B.Top ? Top : B.Top,
                Right < B.Right ? Right : B.Right, Bottom < B.Bottom ? Bottom : B.Bottom};
    }
    friend constexpr bool operator==(const TPixelBox&, const TPixelBox&) = default;
};

/// Which points a set of figures fills, by the winding number w of the point.
enum class TFillRule : std::uint8_t {
    NonZero, ///< w != 0
    EvenOdd  ///< w odd
};

/// How a paint combines with the pixels already there.
enum class TCompositeOp : std::uint8_t {
    Over,  ///< the paint over what is there (Cairo's OVER)
    Source ///< the paint replaces what is there, in proportion to the coverage (Cairo's SOURCE)
};

/// 32-bit pixels, premultiplied ARGB as one native-endian word (alpha in the top byte).
struct TImageView {
    std::uint8_t* Data = nullptr; ///< Row 0, column 0.
    int Width = 0;                ///< Columns.
    int Height = 0;               ///< Rows.
    std::ptrdiff_t Stride = 0;    ///< Bytes from one row to the next.
};

/// 8-bit coverage values, 0 (none) to 255 (whole).
struct TMaskView {
    std::uint8_t* Data = nullptr; ///< Row 0, column 0.
    int Width = 0;                ///< Columns.
    int Height = 0;               ///< Rows.
    std::ptrdiff_t Stride = 0;    ///< Bytes from one row to the next.
};

/// The premultiplied pixel of a colour given by straight 8-bit channels, rounded as Cairo
/// rounds a colour it is given.
constexpr std::uint32_t PremultipliedArgb(std::uint8_t R, std::uint8_t G, std::uint8_t B,
                                          std::uint8_t A) {
    const auto mul = [](std::uint32_t C, std::uint32_t Alpha) {
        const std::uint32_t t = C * Alpha + 0x80;
        return ((t >> 8) + t) >> 8;
    };
    return (std::uint32_t(A) << 24) | (mul(R, A) << 16) | (mul(G, A) << 8) | mul(B, A);
}

} // namespace kw::raster
