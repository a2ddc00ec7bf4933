// SPDX-License-Identifier: MIT
#include "kwgfx/drawing/KwColorValues.h"

#include "kwgfx/platform/graphics/SystemColors.h"

#include <algorithm>
#include <cmath>

namespace kw {

namespace {

uint8_t MixChannel(uint8_t A, uint8_t B, long double F) {
    long double v;
    if (F >= 0 && F <= 1) {
        v = (1.0L - F) * A + F * B;
    } else {
        // Extrapolation. (1 - F) * A + F * B cancels catastrophically for large F (it
        // gives 0 for A = B = 255 at F = 1E30); A + F * (B - A) does not, and an equal pair
        // stays put even for an infinite F.
        if (A == B) return A;
        v = A + F * (int(B) - int(A));
    }
    // Outside 0..255 a converted byte would wrap to an unrelated colour: clamp.
    return uint8_t(std::clamp(std::nearbyint(v), 0.0L, 255.0L));
}

} // namespace

platform::TColor InterpolateColor(platform::TColor First, platform::TColor Second, float Fraction) {
    const TRGB a = ColorToRGB(platform::ColorToRGB(First));
    const TRGB b = ColorToRGB(platform::ColorToRGB(Second));
    const long double f = std::isnan(Fraction) ? 0.0L : Fraction;
    return RGBToColor({MixChannel(a.R, b.R, f), MixChannel(a.G, b.G, f), MixChannel(a.B, b.B, f)});
}

TRGBQuads PaletteEntriesToRGBQuads(std::span<const tagPALETTEENTRY, 256> Entries) {
    TRGBQuads quads;
    std::transform(Entries.begin(), Entries.end(), quads.begin(), PaletteEntryToRGBQuad);
    return quads;
}

TPaletteEntries RGBQuadsToPaletteEntries(std::span<const tagRGBQUAD, 256> Quads) {
    TPaletteEntries entries;
    std::transform(Quads.begin(), Quads.end(), entries.begin(), RGBQuadToPaletteEntry);
    return entries;
}

} // namespace kw
