// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// A picture that a canvas can Draw or StretchDraw. Any canvas can draw any graphic
/// through ReadPixels; a canvas that knows a graphic's own storage may take a faster road.

#include "kwgfx/platform/base/Persistent.h"

#include <cstdint>
#include <span>

namespace kw::platform {

/// A picture a canvas can draw; see the file's description.
class TGraphic : public TPersistent {
public:
    /// Width in pixels.
    virtual int32_t Width() const = 0;
    /// Height in pixels.
    virtual int32_t Height() const = 0;
    /// Whether there are no pixels.
    bool Empty() const { return Width() <= 0 || Height() <= 0; }

    /// Copies the pixels into Dest, row by row from the top, Width() pixels a row, each
    /// pixel a premultiplied 0xAARRGGBB value. Dest holds at least Width() * Height().
    virtual void ReadPixels(std::span<uint32_t> Dest) const = 0;
};

} // namespace kw::platform
