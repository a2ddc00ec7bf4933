// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Format flags of TCanvas::DrawText, with the window system's values.

#include <cstdint>

namespace kw::platform {

/// Horizontal alignment: DT_LEFT (0), DT_CENTER or DT_RIGHT; DT_TOP (0) is the default vertical
/// position.
///@{
inline constexpr uint32_t DT_TOP = 0;
inline constexpr uint32_t DT_LEFT = 0;
inline constexpr uint32_t DT_CENTER = 1;
inline constexpr uint32_t DT_RIGHT = 2;
///@}
/// Vertical alignment; honoured for single-line text only.
inline constexpr uint32_t DT_VCENTER = 4;
/// Vertical alignment at the bottom; honoured for single-line text only.
inline constexpr uint32_t DT_BOTTOM = 8;
/// Breaks lines between words so that they fit the rectangle's width.
inline constexpr uint32_t DT_WORDBREAK = 16;
/// One line: line breaks in the text do not start new lines.
inline constexpr uint32_t DT_SINGLELINE = 32;
/// Tabs advance to stops every eight average characters from the line's start. Without it
/// the Cairo canvas with Pango shows a tab as a space; other canvases measure and draw tabs
/// as characters of the face.
inline constexpr uint32_t DT_EXPANDTABS = 64;
/// Draws outside the rectangle too.
inline constexpr uint32_t DT_NOCLIP = 256;
/// Measures only: sets the rectangle's Right and Bottom to fit the text, draws nothing.
inline constexpr uint32_t DT_CALCRECT = 1024;
/// "&" is an ordinary character (otherwise "&x" shows x, "&&" shows "&").
inline constexpr uint32_t DT_NOPREFIX = 2048;
/// Right-to-left reading order: the paragraph direction of the bidirectional algorithm is
/// right to left (the Cairo canvas with Pango; other canvases ignore it).
inline constexpr uint32_t DT_RTLREADING = 0x20000;

} // namespace kw::platform
