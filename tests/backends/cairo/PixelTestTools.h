// SPDX-License-Identifier: MIT
#pragma once
// Small helpers of the pixel tests: colour channels and channel-wise closeness; where the
// pixels that match a test lie comes from support/PixelInk.h.

#include "kwgfx/backends/cairo/Bitmap.h"
#include "support/PixelInk.h"

#include <cstdlib>

namespace kwtest {

using kw::platform::TBitmap;
using kw::platform::TColor;

// Channel K of a colour: 0 red, 1 green, 2 blue.
inline int Channel(TColor C, int K) {
    return (C >> (8 * K)) & 0xFF;
}

// Channel-wise closeness, for colours that went through blends or running channels.
inline bool Near(TColor A, TColor B, int Tolerance) {
    for (int k = 0; k < 3; ++k)
        if (std::abs(Channel(A, k) - Channel(B, k)) > Tolerance) return false;
    return true;
}

} // namespace kwtest
