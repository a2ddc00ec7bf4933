#include "kwgfx/geometry/KwCustomRect.h"

#include "kwgfx/platform/graphics/IntegerScaleRect.h"

namespace kw {

namespace {
// Edge arithmetic wraps around in 32 bits instead of overflowing (undefined in C++):
// edges read from a stream may be anywhere in the integer range.
int32_t WrapAdd(int32_t A, int32_t B) {
    return static_cast<int32_t>(static_cast<uint32_t>(A) + static_cast<uint32_t>(B));
}
int32_t WrapSub(int32_t A, int32_t B) {
    return static_cast<int32_t>(static_cast<uint32_t>(A) - static_cast<uint32_t>(B));
}
} // namespace

void TKwCustomRect::Assign(const platform::TPersistent& Source) {
    if (const auto* r = dynamic_cast<const TKwCustomRect*>(&Source)) {
        FBoundsRect = r->FBoundsRect;
        Change();
        return;
    }
    TPersistent::Assign(Source);
}

int32_t TKwCustomRect::GetSize(int Index) const {
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
        return WrapSub(FBoundsRect.Bottom, FBoundsRect.Top);
    default:
        return WrapSub(FBoundsRect.Right, FBoundsRect.Left);
    }
}

void TKwCustomRect::SetSize(int Index, int32_t Value) {
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
        FBoundsRect.Bottom = WrapAdd(FBoundsRect.Top, Value);
        break;
    default:
        FBoundsRect.Right = WrapAdd(FBoundsRect.Left, Value);
        break;
    }
    Change();
}

void TKwCustomRect::SetBoundsRect(const TRect& R) {
    FBoundsRect = R;
    Change();
}

void TKwCustomRect::MoveTo(int32_t X, int32_t Y) {
    if (X == FBoundsRect.Left && Y == FBoundsRect.Top) return;
    FBoundsRect.Right = WrapAdd(FBoundsRect.Right, WrapSub(X, FBoundsRect.Left));
    FBoundsRect.Left = X;
    FBoundsRect.Bottom = WrapAdd(FBoundsRect.Bottom, WrapSub(Y, FBoundsRect.Top));
    FBoundsRect.Top = Y;
    Change();
}

void TKwCustomRect::Translate(int32_t DX, int32_t DY) {
    if (DX != 0) {
        FBoundsRect.Left = WrapAdd(FBoundsRect.Left, DX);
        FBoundsRect.Right = WrapAdd(FBoundsRect.Right, DX);
    }
    if (DY != 0) {
        FBoundsRect.Top = WrapAdd(FBoundsRect.Top, DY);
        FBoundsRect.Bottom = WrapAdd(FBoundsRect.Bottom, DY);
    }
    if (DX != 0 || DY != 0) Change();
}

void TKwCustomRect::Scale(int32_t DX, int32_t DY) {
    FBoundsRect = platform::ScaleRect(FBoundsRect, DX, DY);
    Change();
}

void TKwCustomRect::Change() {
    if (FOnChange) FOnChange(this);
}

platform::TPublishedProperty TKwCustomRect::SizeProperty(const char* Name, int Index) {
    return platform::TPublishedProperty::Integer(
        Name, [this, Index] { return GetSize(Index); },
        [this, Index](int32_t V) { SetSize(Index, V); }, 0);
}

} // namespace kw
