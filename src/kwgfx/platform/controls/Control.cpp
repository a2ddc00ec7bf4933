// SPDX-License-Identifier: MIT
#include "kwgfx/platform/controls/Control.h"

#include "kwgfx/platform/graphics/DrawTextFlags.h"

#include <algorithm>

namespace kw::platform {

TControl::TControl(TComponent* AOwner) : TComponent(AOwner) {
    FFont.OnChange = [this](TObject*) { Perform(CM_FONTCHANGED); };
}

void TControl::SetBounds(int32_t ALeft, int32_t ATop, int32_t AWidth, int32_t AHeight) {
    AWidth = std::max(0, AWidth);
    AHeight = std::max(0, AHeight);
    if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
    FLeft = ALeft;
    FTop = ATop;
    FWidth = AWidth;
    FHeight = AHeight;
    BoundsChanged();
}

void TControl::SetBoundsRect(const TRect& Rect) {
    SetBounds(Rect.Left, Rect.Top, Rect.Width(), Rect.Height());
}

void TControl::SetCaption(std::string_view Value) {
    if (Value == FCaption) return;
    FCaption = std::string(Value);
    Perform(CM_TEXTCHANGED);
}

void TControl::SetColor(TColor Value) {
    if (Value == FColor) return;
    FColor = Value;
    Perform(CM_COLORCHANGED);
}

void TControl::SetBiDiMode(TBiDiMode Value) {
    if (Value == FBiDiMode) return;
    FBiDiMode = Value;
    Invalidate();
}

uint32_t TControl::DrawTextBiDiModeFlagsReadingOnly() const {
    return UseRightToLeftReading() ? DT_RTLREADING : 0;
}

intptr_t TControl::Perform(uint32_t Msg, intptr_t WParam, intptr_t LParam) {
    TMessage message{Msg, WParam, LParam, 0};
    WndProc(message);
    return message.Result;
}

void TControl::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case CM_TEXTCHANGED:
        CMTextChanged(Message);
        break;
    case CM_FONTCHANGED:
        CMFontChanged(Message);
        break;
    case CM_COLORCHANGED:
        CMColorChanged(Message);
        break;
    default:
        break;
    }
}

void TControl::CMTextChanged(TMessage&) {
    Invalidate();
}

void TControl::CMFontChanged(TMessage&) {
    Invalidate();
}

void TControl::CMColorChanged(TMessage&) {
    Invalidate();
}

} // namespace kw::platform
