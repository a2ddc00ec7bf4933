// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// How several figures filled as one area decide what is inside: alternate (even-odd:
/// inside when a ray crosses the outlines an odd number of times) or winding (non-zero:
/// inside when the outlines wind round the point a non-zero number of times).

#include <cstdint>

namespace kw::platform {

/// The fill rule of several figures filled as one area; see the file's description.
enum TPolyFillMode : uint8_t { pfAlternate = 0, pfWinding = 1 };

} // namespace kw::platform
