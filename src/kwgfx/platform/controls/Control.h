// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The base of visible controls: bounds, caption, font, colour and reading direction, and
/// the messages the framework sends when they change. TControl has no window of its own;
/// TCustomControl adds one.

#include "kwgfx/platform/base/Component.h"
#include "kwgfx/platform/graphics/Colors.h"
#include "kwgfx/platform/graphics/Font.h"
#include "kwgfx/platform/graphics/Types.h"
#include "kwgfx/platform/windowing/WindowMessages.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace kw::platform {

/// The reading direction of a control's text and its alignment.
enum TBiDiMode : uint8_t {
    bdLeftToRight,
    bdRightToLeft,
    bdRightToLeftNoAlign,
    bdRightToLeftReadingOnly
};

/// The base of visible controls; see the file's description.
class TControl : public TComponent {
public:
    /// A control owned by AOwner, at (0, 0) with no size.
    explicit TControl(TComponent* AOwner);

    /// Bounds in screen pixels (this framework has no parent windows).
    ///@{
    int32_t Left() const { return FLeft; }
    int32_t Top() const { return FTop; }
    int32_t Width() const { return FWidth; }
    int32_t Height() const { return FHeight; }
    TRect BoundsRect() const { return {FLeft, FTop, FLeft + FWidth, FTop + FHeight}; }
    ///@}
    /// Negative sizes count as 0.
    ///@{
    void SetBounds(int32_t ALeft, int32_t ATop, int32_t AWidth, int32_t AHeight);
    void SetBoundsRect(const TRect& Rect);
    ///@}
    /// The area inside the control, at (0, 0): the whole control, as no border is taken off.
    virtual TRect GetClientRect() const { return {0, 0, FWidth, FHeight}; }

    /// Changing the text sends CM_TEXTCHANGED.
    ///@{
    const std::string& Caption() const { return FCaption; }
    void SetCaption(std::string_view Value);
    ///@}
    /// A change of the font sends CM_FONTCHANGED.
    ///@{
    TFont& Font() { return FFont; }
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& Value) { FFont.Assign(Value); }
    ///@}
    /// A change sends CM_COLORCHANGED.
    ///@{
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    ///@}
    /// The reading direction; bdLeftToRight unless set.
    ///@{
    TBiDiMode BiDiMode() const { return FBiDiMode; }
    void SetBiDiMode(TBiDiMode Value);
    ///@}

    /// Whether text reads right to left: every mode but bdLeftToRight.
    bool UseRightToLeftReading() const { return FBiDiMode != bdLeftToRight; }
    /// The DrawText flags for the reading order alone: DT_RTLREADING or nothing.
    uint32_t DrawTextBiDiModeFlagsReadingOnly() const;

    /// Sends a message to the control and returns its result.
    intptr_t Perform(uint32_t Msg, intptr_t WParam = 0, intptr_t LParam = 0);

    /// Asks for the control to be painted again; nothing without a window.
    virtual void Invalidate() {}

protected:
    /// Hands each message to its handler.
    virtual void WndProc(TMessage& Message);
    /// The handlers invalidate the control.
    ///@{
    virtual void CMTextChanged(TMessage& Message);
    virtual void CMFontChanged(TMessage& Message);
    virtual void CMColorChanged(TMessage& Message);
    ///@}
    /// After the bounds changed.
    virtual void BoundsChanged() {}

private:
    int32_t FLeft = 0;
    int32_t FTop = 0;
    int32_t FWidth = 0;
    int32_t FHeight = 0;
    std::string FCaption;
    TFont FFont;
    TColor FColor = clBtnFace;
    TBiDiMode FBiDiMode = bdLeftToRight;
};

} // namespace kw::platform
