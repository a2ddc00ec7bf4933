#pragma once
/// \file
/// TKwCustomKwRect: an observable float rectangle for components to embed; the float twin
/// of TKwCustomRect. Every equality test is exact; every change ends in one OnChange.

#include "kwgfx/geometry/KwTypes.h"
#include "kwgfx/platform/base/Persistent.h"

namespace kw {

/// An observable float rectangle for components to embed; see the file's description.
class TKwCustomKwRect : public platform::TPersistent {
public:
    /// Indices of GetSize/SetSize; any index above 4 means the width.
    enum : int { kLeft = 0, kTop = 1, kRight = 2, kBottom = 3, kHeight = 4, kWidth = 5 };

    TKwCustomKwRect() = default;
    TKwCustomKwRect(const TKwCustomKwRect&) = delete;
    TKwCustomKwRect& operator=(const TKwCustomKwRect&) = delete;

    /// From another float rectangle: its four edges, then Change (always). Other sources
    /// go to the persistent base, which refuses them.
    void Assign(const platform::TPersistent& Source) override;

    /// 0 Left, 1 Top, 2 Right, 3 Bottom, 4 Bottom - Top, any other index Right - Left.
    virtual float GetSize(int Index) const;
    /// Nothing when Value equals GetSize(Index); else sets the edge (4: Bottom = Top + Value,
    /// other indices above 3: Right = Left + Value), then Change.
    virtual void SetSize(int Index, float Value);
    /// Stores R as it is, then Change (always).
    virtual void SetBoundsRect(const TKwRect& R);
    /// Moves the top-left corner to (X, Y) keeping the size; nothing when it is there.
    virtual void MoveTo(float X, float Y);
    /// Shifts by (DX, DY); one Change unless both are 0.
    virtual void Translate(float DX, float DY);
    /// Grows by DX in width and DY in height, half on each side (ScaleRect), then Change.
    virtual void Scale(float DX, float DY);

    /// The rectangle.
    const TKwRect& BoundsRect() const { return FBoundsRect; }
    /// An edge or the size: GetSize with kLeft, kTop, kRight, kBottom, kHeight or kWidth.
    ///@{
    float Left() const { return GetSize(kLeft); }
    float Top() const { return GetSize(kTop); }
    float Right() const { return GetSize(kRight); }
    float Bottom() const { return GetSize(kBottom); }
    float Height() const { return GetSize(kHeight); }
    float Width() const { return GetSize(kWidth); }
    ///@}
    /// Sets an edge or the size through SetSize: a change notifies once, an equal value nobody.
    ///@{
    void SetLeft(float V) { SetSize(kLeft, V); }
    void SetTop(float V) { SetSize(kTop, V); }
    void SetRight(float V) { SetSize(kRight, V); }
    void SetBottom(float V) { SetSize(kBottom, V); }
    void SetHeight(float V) { SetSize(kHeight, V); }
    void SetWidth(float V) { SetSize(kWidth, V); }
    ///@}

    /// Called with this rectangle after every change.
    const TNotifyEvent& OnChange() const { return FOnChange; }
    /// Sets the change listener.
    void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }

protected:
    /// Calls OnChange(this) when assigned.
    virtual void Change();
    /// The published form of one edge: a single, always written.
    platform::TPublishedProperty SizeProperty(const char* Name, int Index);

    TKwRect FBoundsRect;    ///< The rectangle.
    TNotifyEvent FOnChange; ///< The change listener.
};

} // namespace kw
