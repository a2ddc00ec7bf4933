// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// TKwPosition: an observable float point with a default value, for components to publish
/// as a nested property. X and Y are written only where they differ from the default, and
/// a stream may also carry the whole point as the text property "Point" ("(10,20)").

#include "kwgfx/geometry/KwTypes.h"
#include "kwgfx/geometry/KwVectorTypes.h"
#include "kwgfx/platform/base/Persistent.h"

namespace kw {

namespace platform {
class TReader;
class TWriter;
} // namespace platform

/// An observable float point with a default value; see the file's description.
class TKwPosition : public platform::TPersistent {
public:
    /// X and Y start at DefaultValue; no notification.
    explicit TKwPosition(const TKwPoint& DefaultValue);
    TKwPosition(const TKwPosition&) = delete;
    TKwPosition& operator=(const TKwPosition&) = delete;

    /// From another position: SetPoint(Source.Point()), one notification. Other sources go
    /// to the persistent base, which refuses them.
    void Assign(const platform::TPersistent& Source) override;

    /// The point (X, Y).
    TKwPoint Point() const { return {FX, FY}; }
    /// The same as Point().
    TKwPoint GetPoint() const { return Point(); }
    /// Stores P, then Change (always).
    void SetPoint(const TKwPoint& P);
    /// Stores P without notification.
    void SetPointNoChange(const TKwPoint& P);
    /// The horizontal coordinate.
    float X() const { return FX; }
    /// The vertical coordinate.
    float Y() const { return FY; }
    /// Store and Change only when the value differs (exact comparison).
    ///@{
    void SetX(float Value);
    void SetY(float Value);
    ///@}
    /// (X, Y, 1).
    TKwVector Vector() const { return {FX, FY, 1}; }
    /// The same as Vector().
    TKwVector GetVector() const { return Vector(); }
    /// SetPoint((V.X, V.Y)).
    void SetVector(const TKwVector& V);
    /// Mirrors the point about the line through the origin perpendicular to Normal:
    /// P - 2 (P . Normal) Normal, with one notification.
    void Reflect(const TKwVector& Normal);
    /// Both coordinates exactly 0.
    bool Empty() const { return FX == 0 && FY == 0; }

    /// Whether X / Y differ from the default by more than Epsilon (SameValue with that
    /// tolerance): the stored-tests of the published X and Y.
    ///@{
    bool IsXStored() const;
    bool IsYStored() const;
    ///@}

    /// The point X and Y start at and are compared with when they are streamed.
    const TKwPoint& DefaultValue() const { return FDefaultValue; }
    /// Sets the default value; X and Y and their listeners are not touched.
    void SetDefaultValue(const TKwPoint& Value) { FDefaultValue = Value; }

    /// Called with this position after every change.
    const TNotifyEvent& OnChange() const { return FOnChange; }
    /// Sets the change listener.
    void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }

    /// X and Y, singles, each written only when its stored-test is true.
    platform::TPublishedProperties GetPublishedProperties() override;

protected:
    /// Declares "Point": never written, accepted when read.
    void DefineProperties(platform::TFiler& Filer) override;
    /// Reads one string value and applies SetPoint(StringToKwPoint(text)); a malformed
    /// text gives (0, 0).
    void ReadPoint(platform::TReader& Reader);
    /// Writes KwPointToString(Point()) as one string value.
    void WritePoint(platform::TWriter& Writer);
    /// Calls OnChange(this) when assigned.
    virtual void Change();

    TNotifyEvent FOnChange; ///< The change listener.
    float FY = 0;           ///< The vertical coordinate.
    float FX = 0;           ///< The horizontal coordinate.
    TKwPoint FDefaultValue; ///< The default value.
};

} // namespace kw
