// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Text labels: text drawn into a rectangle with DrawText, where vertical centring and
/// bottom alignment also work for text that wraps over several lines.

#include "kwgfx/geometry/KwTypes.h"
#include "kwgfx/platform/graphics/Canvas.h"

#include <cstdint>
#include <string_view>

namespace kw {

/// Draws Text into Rect with the canvas's DrawText and Flags (DT_* values), on a clear
/// background. DrawText only places single lines vertically, so for DT_VCENTER (without
/// DT_SINGLELINE) or DT_BOTTOM:
///   - without DT_WORDBREAK the text is drawn as one line (DT_SINGLELINE is added);
///   - with DT_WORDBREAK the text is wrapped to the rectangle's width (WrapCanvasText),
///     measured (GetMultilineTextHeight), and the rectangle's top moved so that the block
///     of lines sits centred on the rectangle's centre or ends at its bottom.
/// The unwrapped text is what is drawn. The brush style is put back, also when drawing
/// fails.
///
/// \gallery{ui_helpers.png}
void DrawTextLabel(platform::TCanvas& Canvas, std::string_view Text, uint32_t Flags,
                   const TRect& Rect);

} // namespace kw
