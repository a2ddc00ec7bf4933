#pragma once
/// \file
/// TKwCustomRect: an observable integer rectangle for components to embed. Every change
/// ends in one OnChange; an operation that finds nothing to change notifies nobody.
/// Descendants choose which edges they publish (TKwObjectRect, TObjectSize).

#include "kwgfx/geometry/KwTypes.h"
#include "kwgfx/platform/base/Persistent.h"

#include <cstdint>

namespace kw {

/// An observable integer rectangle for components to embed; see the file's description.
class TKwCustomRect : public platform::TPersistent {
public:
    /// Indices of GetSize/SetSize; any index above 4 means the width.
    enum : int { kLeft = 0, kTop = 1, kRight = 2, kBottom = 3, kHeight = 4, kWidth = 5 };

    TKwCustomRect() = default;
    /// An object with identity (listeners receive it as sender): copy it with Assign.
    TKwCustomRect(const TKwCustomRect&) = delete;
    TKwCustomRect& operator=(const TKwCustomRect&) = delete;

    /// From another integer rectangle: its four edges, then Change (always). Other sources
    /// go to the persistent base, which refuses them.
    void Assign(const platform::TPersistent& Source) override;

    /// 0 Left, 1 Top, 2 Right, 3 Bottom, 4 Bottom - Top, any other index Right - Left.
    virtual int32_t GetSize(int Index) const;
    /// Nothing when Value equals GetSize(Index); else sets the edge (4: Bottom = Top + Value,
    /// other indices above 3: Right = Left + Value), then Change.
    virtual void SetSize(int Index, int32_t Value);
    /// Stores R as it is, then Change (always).
    virtual void SetBoundsRect(const TRect& R);
    /// Moves the top-left corner to (X, Y) keeping the size; nothing when it is there.
    virtual void MoveTo(int32_t X, int32_t Y);
    /// Shifts by (DX, DY); one Change unless both are 0.
    virtual void Translate(int32_t DX, int32_t DY);
    /// Grows by DX in width and DY in height, half on each side (platform::ScaleRect), then
    /// Change.
    virtual void Scale(int32_t DX, int32_t DY);

    /// The rectangle.
    const TRect& BoundsRect() const { return FBoundsRect; }
    /// An edge or the size: GetSize with kLeft, kTop, kRight, kBottom, kHeight or kWidth.
    ///@{
    int32_t Left() const { return GetSize(kLeft); }
    int32_t Top() const { return GetSize(kTop); }
    int32_t Right() const { return GetSize(kRight); }
    int32_t Bottom() const { return GetSize(kBottom); }
    int32_t Height() const { return GetSize(kHeight); }
    int32_t Width() const { return GetSize(kWidth); }
    ///@}
    /// Sets an edge or the size through SetSize: a change notifies once, an equal value nobody.
    ///@{
    void SetLeft(int32_t V) { SetSize(kLeft, V); }
    void SetTop(int32_t V) { SetSize(kTop, V); }
    void SetRight(int32_t V) { SetSize(kRight, V); }
    void SetBottom(int32_t V) { SetSize(kBottom, V); }
    void SetHeight(int32_t V) { SetSize(kHeight, V); }
    void SetWidth(int32_t V) { SetSize(kWidth, V); }
    ///@}

    /// Called with this rectangle after every change.
    const TNotifyEvent& OnChange() const { return FOnChange; }
    /// Sets the change listener.
    void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }

protected:
    /// Calls OnChange(this) when assigned.
    virtual void Change();
    /// The published form of one edge or size: an integer written unless it is 0.
    platform::TPublishedProperty SizeProperty(const char* Name, int Index);

    TRect FBoundsRect;      ///< The rectangle.
    TNotifyEvent FOnChange; ///< The change listener.
};

} // namespace kw
