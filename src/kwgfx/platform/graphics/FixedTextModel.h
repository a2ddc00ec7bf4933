// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The fixed text model: text measured without any installed font, the same on every
/// machine. The recording canvas measures with it, and font questions asked while no screen
/// device is registered (ScreenFont.h) are answered by it.
///
///   em        = |Font.Height|, or 12 when Height is 0
///   advance   = max(1, em / 2) pixels for every character (UTF-8 code point)
///   ascent    = em, descent = em / 4 (integer division), text height = ascent + descent,
///               also for empty text
///   Every result saturates at the 32-bit range: a huge height or a long text measures
///   2147483647 rather than overflowing.
///   metrics   = no leading; average and maximum width = advance; a fixed-pitch face,
///               scalable outline unless the caller says it is a bitmap face

#include "kwgfx/platform/graphics/Font.h"
#include "kwgfx/platform/graphics/FontRecords.h"
#include "kwgfx/platform/graphics/Types.h"

#include <cstdint>
#include <string_view>

namespace kw::platform {

/// The em of Font: |Height|, or 12 when Height is 0.
int32_t FixedTextModelEm(const TFont& Font);
/// The advance of every character: max(1, em / 2).
int32_t FixedTextModelAdvance(const TFont& Font);
/// The size of Text: advance times code points, and the text height.
TSize FixedTextModelExtent(const TFont& Font, std::string_view Text);
/// The text metrics of the model; BitmapFace leaves out the outline flags.
TTextMetric FixedTextModelMetrics(const TFont& Font, bool BitmapFace);

} // namespace kw::platform
