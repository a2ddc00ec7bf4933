#include "kwgfx/geometry/KwCustomKwRect.h"

#include "kwgfx/geometry/KwRectOps.h"

namespace kw {

void TKwCustomKwRect::Assign(const platform::TPersistent& Source) {
    if (const auto* r = dynamic_cast<const TKwCustomKwRect*>(&Source)) {
        FBoundsRect = r->FBoundsRect;
        Change();
        return;
    }
    TPersistent::Assign(Source);
}

float TKwCustomKwRect::GetSize(int Index) const {
    switch (Index) {
    case kLeft:
        return FBoundsRect.Left;
    case kTop:
        return FBoundsRect.Top;
    case kRight:
        return FBoundsRect.Right;
    case kBottom:
        return FBoundsRect.Bottom;
    case kHeight:
        return FBoundsRect.Bottom - FBoundsRect.Top;
    default:
        return FBoundsRect.Right - FBoundsRect.Left;
    }
}

void TKwCustomKwRect::SetSize(int Index, float Value) {
    if (Value == GetSize(Index)) return;
    switch (Index) {
    case kLeft:
        FBoundsRect.Left = Value;
        break;
    case kTop:
        FBoundsRect.Top = Value;
        break;
    case kRight:
        FBoundsRect.Right = Value;
        break;
    case kBottom:
        FBoundsRect.Bottom = Value;
        break;
    case kHeight:
        FBoundsRect.Bottom = FBoundsRect.Top + Value;
        break;
    default:
        FBoundsRect.Right = FBoundsRect.Left + Value;
        break;
    }
    Change();
}

void TKwCustomKwRect::SetBoundsRect(const TKwRect& R) {
    FBoundsRect = R;
    Change();
}

void TKwCustomKwRect::MoveTo(float X, float Y) {
    if (X == FBoundsRect.Left && Y == FBoundsRect.Top) return;
    FBoundsRect.Right += X - FBoundsRect.Left;
    FBoundsRect.Left = X;
    FBoundsRect.Bottom += Y - FBoundsRect.Top;
    FBoundsRect.Top = Y;
    Change();
}

void TKwCustomKwRect::Translate(float DX, float DY) {
    if (DX != 0) {
        FBoundsRect.Left += DX;
        FBoundsRect.Right += DX;
    }
    if (DY != 0) {
        FBoundsRect.Top += DY;
        FBoundsRect.Bottom += DY;
    }
    if (DX != 0 || DY != 0) Change();
}

void TKwCustomKwRect::Scale(float DX, float DY) {
    FBoundsRect = ScaleRect(FBoundsRect, DX, DY);
    Change();
}

void TKwCustomKwRect::Change() {
    if (FOnChange) FOnChange(this);
}

platform::TPublishedProperty TKwCustomKwRect::SizeProperty(const char* Name, int Index) {
    return platform::TPublishedProperty::Single(
        Name, [this, Index] { return GetSize(Index); },
        [this, Index](float V) { SetSize(Index, V); });
}

} // namespace kw
