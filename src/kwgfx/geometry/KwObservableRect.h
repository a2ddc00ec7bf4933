// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// TKwObservableRect: the observable rectangle behind TKwCustomRect (integer edges) and
/// TKwCustomKwRect (float edges), written once for both. Every change ends in one
/// OnChange; an operation that finds nothing to change notifies nobody; equality tests are
/// exact. The two forms differ only where their numbers do: integer edge arithmetic wraps
/// around in 32 bits, integer edges are published unless 0 and float edges always.

#include "kwgfx/geometry/KwTypes.h"
#include "kwgfx/platform/base/Persistent.h"

#include <utility>

namespace kw {

/// An observable rectangle of TRect (integer) or TKwRect (float) edges; see the file's
/// description. Use it through TKwCustomRect and TKwCustomKwRect.
template <typename TRectType>
class TKwObservableRect : public platform::TPersistent {
public:
    /// The type of an edge: int32_t or float.
    using TCoord = decltype(TRectType::Left);

    /// Indices of GetSize/SetSize; any index above 4 means the width.
    enum : int { kLeft = 0, kTop = 1, kRight = 2, kBottom = 3, kHeight = 4, kWidth = 5 };

    /// An object with identity (listeners receive it as sender): copy it with Assign.
    TKwObservableRect(const TKwObservableRect&) = delete;
    TKwObservableRect& operator=(const TKwObservableRect&) = delete;

    /// From another rectangle of the same edge type: its four edges, then Change (always).
    /// Other sources go to the persistent base, which refuses them.
    void Assign(const platform::TPersistent& Source) override;

    /// 0 Left, 1 Top, 2 Right, 3 Bottom, 4 Bottom - Top, any other index Right - Left.
    virtual TCoord GetSize(int Index) const;
    /// Nothing when Value equals GetSize(Index); else sets the edge (4: Bottom = Top + Value,
    /// other indices above 3: Right = Left + Value), then Change.
    virtual void SetSize(int Index, TCoord Value);
    /// Stores R as it is, then Change (always).
    virtual void SetBoundsRect(const TRectType& R);
    /// Moves the top-left corner to (X, Y) keeping the size; nothing when it is there.
    virtual void MoveTo(TCoord X, TCoord Y);
    /// Shifts by (DX, DY); one Change unless both are 0.
    virtual void Translate(TCoord DX, TCoord DY);
    /// Grows by DX in width and DY in height, half on each side (ScaleRect of the edge
    /// type), then Change.
    virtual void Scale(TCoord DX, TCoord DY);

    /// The rectangle.
    const TRectType& BoundsRect() const { return FBoundsRect; }
    /// The left edge: GetSize(kLeft).
    TCoord Left() const { return GetSize(kLeft); }
    /// The top edge: GetSize(kTop).
    TCoord Top() const { return GetSize(kTop); }
    /// The right edge: GetSize(kRight).
    TCoord Right() const { return GetSize(kRight); }
    /// The bottom edge: GetSize(kBottom).
    TCoord Bottom() const { return GetSize(kBottom); }
    /// The height, Bottom - Top: GetSize(kHeight).
    TCoord Height() const { return GetSize(kHeight); }
    /// The width, Right - Left: GetSize(kWidth).
    TCoord Width() const { return GetSize(kWidth); }
    /// Sets the left edge (SetSize); an equal value notifies nobody.
    void SetLeft(TCoord V) { SetSize(kLeft, V); }
    /// Sets the top edge (SetSize); an equal value notifies nobody.
    void SetTop(TCoord V) { SetSize(kTop, V); }
    /// Sets the right edge (SetSize); an equal value notifies nobody.
    void SetRight(TCoord V) { SetSize(kRight, V); }
    /// Sets the bottom edge (SetSize); an equal value notifies nobody.
    void SetBottom(TCoord V) { SetSize(kBottom, V); }
    /// Sets the height, moving Bottom (SetSize); an equal value notifies nobody.
    void SetHeight(TCoord V) { SetSize(kHeight, V); }
    /// Sets the width, moving Right (SetSize); an equal value notifies nobody.
    void SetWidth(TCoord V) { SetSize(kWidth, V); }

    /// Called with this rectangle after every change.
    const TNotifyEvent& OnChange() const { return FOnChange; }
    /// Sets the change listener.
    void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }

protected:
    /// An empty rectangle; only the named forms (TKwCustomRect, TKwCustomKwRect) make one.
    TKwObservableRect() = default;

    /// Calls OnChange(this) when assigned.
    virtual void Change();
    /// The published form of one edge or size: an integer written unless it is 0, or a
    /// single, always written.
    platform::TPublishedProperty SizeProperty(const char* Name, int Index);
    /// The inherited published properties followed by SizeProperty for every index from
    /// kLeft to Last, named Left, Top, Right, Bottom, Height and Width.
    platform::TPublishedProperties PublishedSizes(int Last);

    TRectType FBoundsRect;  ///< The rectangle.
    TNotifyEvent FOnChange; ///< The change listener.
};

/// Made once, in KwObservableRect.cpp, for the two edge types.
extern template class TKwObservableRect<TRect>;
extern template class TKwObservableRect<TKwRect>;

/// A rectangle of TBase's kind (TKwCustomRect, TKwCustomKwRect) that publishes its edges
/// and sizes from kLeft to Last: kBottom for the four edges, kWidth for the edges followed
/// by Height and Width. The published classes (TKwObjectRect, TKwObjectKwRect,
/// TObjectSize) derive from it under their own names, which the property stream writes.
template <typename TBase, int Last>
class TKwPublishedRect : public TBase {
public:
    /// The inherited properties, then the edges and sizes up to Last (SizeProperty).
    platform::TPublishedProperties GetPublishedProperties() override {
        return this->PublishedSizes(Last);
    }
};

} // namespace kw
