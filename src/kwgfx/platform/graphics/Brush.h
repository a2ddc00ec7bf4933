// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The brush of a canvas: how areas are filled. A brush can be created on its own and
/// Assign'ed to and from a canvas brush, which is how drawing code saves and restores it.

#include "kwgfx/platform/base/Persistent.h"
#include "kwgfx/platform/graphics/Colors.h"

#include <cstdint>

namespace kw::platform {

/// Ordinals are fixed: stored values and callers compare them.
enum TBrushStyle : uint8_t {
    bsSolid,
    bsClear, ///< fills nothing; text is drawn without a background
    bsHorizontal,
    bsVertical,
    bsFDiagonal,
    bsBDiagonal,
    bsCross,
    bsDiagCross
};

/// The brush of a canvas; see the file's description.
class TBrush : public TPersistent {
public:
    /// The fill colour; clWhite unless set. A change fires OnChange.
    ///@{
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    ///@}
    /// The fill style; bsSolid unless set. A change fires OnChange.
    ///@{
    TBrushStyle Style() const { return FStyle; }
    void SetStyle(TBrushStyle Value);
    ///@}

    /// Copies colour and style from another brush; fires OnChange once if any differed.
    void Assign(const TPersistent& Source) override;

    /// Color, Style and Width (pen) / Color and Style (brush), written when not default.
    TPublishedProperties GetPublishedProperties() override;

    /// Fired after a value changed.
    TNotifyEvent OnChange;

protected:
    /// Called after a value changed; fires OnChange.
    virtual void Changed();

private:
    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
};

} // namespace kw::platform
