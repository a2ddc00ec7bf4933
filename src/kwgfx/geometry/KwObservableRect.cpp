// SPDX-License-Identifier: MIT
// TKwObservableRect (KwObservableRect.h), made for its two edge types.

#include "kwgfx/geometry/KwObservableRect.h"

#include "kwgfx/geometry/KwRectOps.h"
#include "kwgfx/platform/graphics/IntegerScaleRect.h"

#include <cstdint>
#include <type_traits>

namespace kw {

namespace {

// Integer edge arithmetic wraps around in 32 bits instead of overflowing (undefined in
// C++): edges read from a stream may be anywhere in the integer range. Float edges add as
// floats.
int32_t Add(int32_t A, int32_t B) {
    return static_cast<int32_t>(static_cast<uint32_t>(A) + static_cast<uint32_t>(B));
}
int32_t Sub(int32_t A, int32_t B) {
    return static_cast<int32_t>(static_cast<uint32_t>(A) - static_cast<uint32_t>(B));
}
float Add(float A, float B) {
    return A + B;
}
float Sub(float A, float B) {
    return A - B;
}

// The integer form grows in whole units (platform::ScaleRect), the float form in floats.
TRect Scaled(const TRect& R, int32_t DX, int32_t DY) {
    return platform::ScaleRect(R, DX, DY);
}
TKwRect Scaled(const TKwRect& R, float DX, float DY) {
    return ScaleRect(R, DX, DY);
}

constexpr const char* kSizeNames[] = {"Left", "Top", "Right", "Bottom", "Height", "Width"};

} // namespace

template <typename TRectType>
void TKwObservableRect<TRectType>::Assign(const platform::TPersistent& Source) {
    if (const auto* r = dynamic_cast<const TKwObservableRect*>(&Source)) {
        FBoundsRect = r->FBoundsRect;
        Change();
        return;
    }
    TPersistent::Assign(Source);
}

template <typename TRectType>
auto TKwObservableRect<TRectType>::GetSize(int Index) const -> TCoord {
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
        return Sub(FBoundsRect.Bottom, FBoundsRect.Top);
    default:
        return Sub(FBoundsRect.Right, FBoundsRect.Left);
    }
}

template <typename TRectType>
void TKwObservableRect<TRectType>::SetSize(int Index, TCoord Value) {
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
        FBoundsRect.Bottom = Add(FBoundsRect.Top, Value);
        break;
    default:
        FBoundsRect.Right = Add(FBoundsRect.Left, Value);
        break;
    }
    Change();
}

template <typename TRectType>
void TKwObservableRect<TRectType>::SetBoundsRect(const TRectType& R) {
    FBoundsRect = R;
    Change();
}

template <typename TRectType>
void TKwObservableRect<TRectType>::MoveTo(TCoord X, TCoord Y) {
    if (X == FBoundsRect.Left && Y == FBoundsRect.Top) return;
    FBoundsRect.Right = Add(FBoundsRect.Right, Sub(X, FBoundsRect.Left));
    FBoundsRect.Left = X;
    FBoundsRect.Bottom = Add(FBoundsRect.Bottom, Sub(Y, FBoundsRect.Top));
    FBoundsRect.Top = Y;
    Change();
}

template <typename TRectType>
void TKwObservableRect<TRectType>::Translate(TCoord DX, TCoord DY) {
    if (DX != 0) {
        FBoundsRect.Left = Add(FBoundsRect.Left, DX);
        FBoundsRect.Right = Add(FBoundsRect.Right, DX);
    }
    if (DY != 0) {
        FBoundsRect.Top = Add(FBoundsRect.Top, DY);
        FBoundsRect.Bottom = Add(FBoundsRect.Bottom, DY);
    }
    if (DX != 0 || DY != 0) Change();
}

template <typename TRectType>
void TKwObservableRect<TRectType>::Scale(TCoord DX, TCoord DY) {
    FBoundsRect = Scaled(FBoundsRect, DX, DY);
    Change();
}

template <typename TRectType>
void TKwObservableRect<TRectType>::Change() {
    if (FOnChange) FOnChange(this);
}

template <typename TRectType>
platform::TPublishedProperty TKwObservableRect<TRectType>::SizeProperty(const char* Name,
                                                                        int Index) {
    auto get = [this, Index] { return GetSize(Index); };
    auto set = [this, Index](TCoord V) { SetSize(Index, V); };
    if constexpr (std::is_integral_v<TCoord>)
        return platform::TPublishedProperty::Integer(Name, get, set, 0);
    else
        return platform::TPublishedProperty::Single(Name, get, set);
}

template <typename TRectType>
platform::TPublishedProperties TKwObservableRect<TRectType>::PublishedSizes(int Last) {
    auto props = TPersistent::GetPublishedProperties();
    for (int index = kLeft; index <= Last; ++index)
        props.push_back(SizeProperty(kSizeNames[index], index));
    return props;
}

template class TKwObservableRect<TRect>;
template class TKwObservableRect<TKwRect>;

} // namespace kw
