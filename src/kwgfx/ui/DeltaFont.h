// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// A font that remembers in which attributes it differs from a base font. The owner
/// supplies the base font through OnGetOriginalFont. After every change of its own the
/// font records its deltas (the attributes that differ); when the owner's base font has
/// changed, UpdateNonDelta() takes over every attribute that is not a delta.
///
/// Compared attributes: bold, italic, strike-out and underline in Style, Color (exact
/// value), Name (case-sensitive) and Size in points (Height itself is not compared).
/// Character set, pitch, orientation and height are never deltas.

#include "kwgfx/platform/graphics/Font.h"
#include "kwgfx/ui/DeltaAttributes.h"

#include <functional>
#include <utility>

namespace kw {

/// Asks for the base font: the handler stores it in Font or leaves Font null.
using TFontEvent = std::function<void(platform::TObject* Sender, const platform::TFont*& Font)>;

/// A font that remembers in which attributes it differs from a base font; see the file's
/// description.
class TKwCustomDeltaFont : public platform::TFont {
public:
    TKwCustomDeltaFont() = default;
    /// A delta font belongs to one owner; copying handlers along would tie the copy to it.
    TKwCustomDeltaFont(const TKwCustomDeltaFont&) = delete;
    TKwCustomDeltaFont& operator=(const TKwCustomDeltaFont&) = delete;

    /// Stored and returned only; the class never calls it (changes are reported through the
    /// font's own OnChange).
    ///@{
    const platform::TNotifyEvent& GetOnChanged() const { return FOnChange; }
    void SetOnChanged(platform::TNotifyEvent Value) { FOnChange = std::move(Value); }
    ///@}

    /// Asked for the base font whenever the font compares itself with it or takes over its
    /// attributes.
    ///@{
    const TFontEvent& OnGetOriginalFont() const { return FOnGetOriginalFont; }
    void SetOnGetOriginalFont(TFontEvent Value) { FOnGetOriginalFont = std::move(Value); }
    ///@}

    /// The attributes in which the font differs from its base font, recorded after each change of
    /// its own.
    TDeltaAttributes Deltas() const { return FDeltas; }
    /// Sets the recorded deltas and nothing else: no attribute changes, no notification.
    /// Bits that name no attribute are dropped.
    void SetDeltas(TDeltaAttributes Value) {
        FDeltas = TDeltaAttributes::FromBits(Value.ToBits() & DeltaAttributeBits);
    }
    /// Deltas are streamed only when there are some.
    bool IsDeltasStored() const { return !FDeltas.IsEmpty(); }

    /// True while an update runs (the re-entry guard).
    bool Updating() const { return FUpdating; }

    /// Records the deltas against Font (null: nothing). Does nothing while an update runs.
    virtual void UpdateDeltas(const platform::TFont* Font);
    /// The same against the base font, when the owner supplies one.
    void UpdateDeltas();

    /// Copies every attribute that is not a delta from Font (null: nothing); the style bits
    /// are assigned together. The deltas stay as they were. Does nothing while an update runs.
    virtual void UpdateNonDelta(const platform::TFont* Font);
    /// The same from the base font, when the owner supplies one.
    void UpdateNonDelta();

    /// Records the deltas (unless an update is running), then fires OnChange.
    void Changed() override;

private:
    // The base font from OnGetOriginalFont, or null.
    const platform::TFont* OriginalFont();

    TDeltaAttributes FDeltas;
    TFontEvent FOnGetOriginalFont;
    bool FUpdating = false;
    platform::TNotifyEvent FOnChange;
};

/// The delta font with Deltas streamed (only when not empty) after the font's own
/// properties, so that reading a stream ends with the deltas as written. Event handlers
/// such as OnGetOriginalFont are code, not data, and are set by the owner, not streamed.
class TKwDeltaFont : public TKwCustomDeltaFont {
public:
    platform::TPublishedProperties GetPublishedProperties() override;
};

} // namespace kw
