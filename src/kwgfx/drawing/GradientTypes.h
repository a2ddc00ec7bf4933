// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The enumerations and constants shared by the gradient painters, and the byte clamp of
/// their colour channels.

#include <array>
#include <cstdint>

namespace kw {

/// diHorizontal varies the colour along X (vertical bands), diVertical along Y.
enum TGradientOrientation : uint8_t { diHorizontal, diVertical };

/// The direction a gradient runs in, as the unit steps GradDirXDeltas and GradDirYDeltas give it.
enum TGradientDirection : uint8_t {
    gdDownRight,
    gdDown,
    gdDownLeft,
    gdRight,
    gdLeft,
    gdUpRight,
    gdUp,
    gdUpLeft
};

/// Indexed by TGradientDirection.
using TGradientDirDeltas = std::array<int32_t, 8>;

/// The unit step of each direction, Y growing downwards.
///@{
inline constexpr TGradientDirDeltas GradDirXDeltas = {1, 0, -1, 1, -1, 1, 0, -1};
inline constexpr TGradientDirDeltas GradDirYDeltas = {1, 1, 1, 0, 0, -1, -1, -1};
///@}

/// Rounds to nearest (ties to even), then clamps to 0..255; NaN gives 0.
uint8_t DoubleToByte(double Value);

} // namespace kw
