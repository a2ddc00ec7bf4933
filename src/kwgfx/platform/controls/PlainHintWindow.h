// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// THintWindow: the framework's plain hint (tooltip) window, shown until it is hidden.
///
/// A borderless popup that shows a text. It sizes itself to a text (CalcHintRect) and shows
/// a text in a rectangle (ActivateHint); the library's self-hiding hint window builds on it.
///
/// Layout: the text starts 2 pixels in from the left and top; CalcHintRect adds 6 pixels to
/// the text's width (2 before it, 4 after) and 2 to its height, and a 1-pixel frame of
/// clWindowFrame is drawn around the client area after Paint.

#include "kwgfx/platform/controls/CustomControl.h"

#include <string_view>

namespace kw::platform {

/// The hint (tooltip) window; see the file's description.
class THintWindow : public TCustomControl {
public:
    /// Hidden, without a window; Color clInfoBk, the font's colour clInfoText.
    explicit THintWindow(TComponent* AOwner);

    /// The rectangle at (0, 0) that fits AHint in the window's font, its lines broken
    /// between words to fit MaxWidth ("&" is an ordinary character), plus the margins above.
    /// AData is extra data of the caller; this window ignores it.
    virtual TRect CalcHintRect(int32_t MaxWidth, std::string_view AHint, const void* AData);
    /// Sets the caption and the bounds, shows the window without activating it and paints it
    /// once. A rectangle that reaches past the screen's right or bottom edge is moved left or
    /// up to fit, but never past the left or top edge.
    virtual void ActivateHint(const TRect& Rect, std::string_view AHint);

protected:
    /// The text, broken between words, from (2, 2) of the client area.
    void Paint() override;
    void PaintWindow() override;
};

} // namespace kw::platform
