// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The records of the canvas's triangle gradient fill: vertices with 16-bit colour
/// channels (a byte value v is stored as v * 256) and triangles that index them.

#include <cstdint>

namespace kw::platform {

/// A vertex of the triangle gradient fill: a position and a colour.
struct TTriVertex {
    int32_t x = 0;      ///< Horizontal position.
    int32_t y = 0;      ///< Vertical position.
    uint16_t Red = 0;   ///< Red, 0 to 0xFF00.
    uint16_t Green = 0; ///< Green, 0 to 0xFF00.
    uint16_t Blue = 0;  ///< Blue, 0 to 0xFF00.
    uint16_t Alpha = 0; ///< Alpha, 0 to 0xFF00.
    friend constexpr bool operator==(const TTriVertex&, const TTriVertex&) = default;
};
static_assert(sizeof(TTriVertex) == 16);

/// A triangle of the gradient fill: three vertex indexes.
struct TGradientTriangle {
    uint32_t Vertex1 = 0; ///< First corner.
    uint32_t Vertex2 = 0; ///< Second corner.
    uint32_t Vertex3 = 0; ///< Third corner.
    friend constexpr bool operator==(const TGradientTriangle&, const TGradientTriangle&) = default;
};

/// The fill mode of the window system's gradient call that draws triangles.
inline constexpr uint32_t GRADIENT_FILL_TRIANGLE = 2;

} // namespace kw::platform
