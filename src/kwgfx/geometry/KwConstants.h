// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The constants of the unit KwGraphics: cPI, Epsilon, KwClosePolygon and the number
/// format USFormatSettings of the library's own text formats. (KwIdentityMatrix is in
/// KwVectorTypes.h.)

#include "kwgfx/geometry/KwGraphicsUnit.h"
#include "kwgfx/geometry/KwTypes.h"
#include "kwgfx/platform/text/NumberText.h"

#include <bit>
#include <cstdint>

namespace kw {

/// Pi rounded to single precision: 3.1415927 (bits 0x40490FDB).
inline constexpr float cPI = 3.14159265358979323846f;

/// 1E-40 rounded to single precision: the subnormal with bit pattern 0x000116C2, about
/// 9.99995E-41. The stored-value tolerance of TKwPosition and of path flattening.
inline constexpr float Epsilon = std::bit_cast<float>(uint32_t{0x000116C2});

/// The sentinel point that path flattening puts into a point list to end a closed figure.
inline constexpr TKwPoint KwClosePolygon{65535, 65535};

/// The number format of every text the library writes and reads itself (the text form of
/// a point, path text): decimal separator ".", thousands separator ",", whatever the
/// process locale. Filled by the start-up of KwGraphics from the US English locale
/// (0x0409) and not changed afterwards; empty again after the last shutdown. Pass it to
/// the platform's number functions: platform::FloatToStr(V, USFormatSettings).
extern const platform::TFormatSettings& USFormatSettings;

namespace detail {
/// Loads the unit before the static objects of every translation unit that includes this
/// header, so USFormatSettings is filled before any of them can read it.
static const TKwGraphicsUnitLoader KwGraphicsLoaderOfThisUnit;
} // namespace detail

} // namespace kw
