// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Rotating a font: the font object takes over a logical font like its own but turned by an
/// angle, which canvases honour when they draw text in it.

#include "kwgfx/platform/graphics/Font.h"

namespace kw {

/// Gives Font a logical font rotated by Angle degrees counter-clockwise: escapement and
/// orientation Round(10 * Angle) tenths of a degree (ties to even; beyond the 32-bit range
/// saturated, NaN gives 0), the height, weight, italic, underline, strike-out, charset and
/// pitch of the font, and its face: the default face for the name "Default" (any letter
/// case), "Arial" when the face is not a scalable outline font on the screen device (see
/// platform/ScreenFont.h), otherwise the font's name, at most 31 characters. Fires the
/// font's change notification once when anything changed.
///
/// \gallery{ui_helpers.png}
void RotateFont(platform::TFont& Font, float Angle);

} // namespace kw
