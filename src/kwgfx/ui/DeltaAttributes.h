// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The attributes in which a delta font may differ from its base font, and their set.

#include "kwgfx/geometry/KwTypes.h"

#include <cstdint>

namespace kw {

/// The attributes in which a delta font can differ from its base font.
enum TDeltaAttribute : uint8_t {
    daBold,
    daColor,
    daFace,
    daItalic,
    daSize,
    daStrikeOut,
    daUnderline
};

/// A set of delta attributes in one byte: bit n for ordinal n (daBold 1, daColor 2,
/// daFace 4, daItalic 8, daSize 16, daStrikeOut 32, daUnderline 64).
using TDeltaAttributes = TKwSet<TDeltaAttribute>;
static_assert(sizeof(TDeltaAttributes) == 1);

/// The bits of the seven members.
inline constexpr uint8_t DeltaAttributeBits = 0x7F;

} // namespace kw
