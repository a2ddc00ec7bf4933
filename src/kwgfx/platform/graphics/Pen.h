// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The pen of a canvas: the colour, style and width of lines and outlines. A pen can be
/// created on its own and Assign'ed to and from a canvas pen, which is how drawing code
/// saves and restores it.

#include "kwgfx/platform/base/Persistent.h"
#include "kwgfx/platform/graphics/Colors.h"

#include <cstdint>

namespace kw::platform {

/// Ordinals are fixed: stored values and callers compare them.
enum TPenStyle : uint8_t {
    psSolid,
    psDash,
    psDot,
    psDashDot,
    psDashDotDot,
    psClear, ///< draws no line and no outline
    psInsideFrame
};

/// The pen of a canvas; see the file's description.
class TPen : public TPersistent {
public:
    /// The line colour; clBlack unless set. A change fires OnChange.
    ///@{
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    ///@}
    /// The line style; psSolid unless set. A change fires OnChange.
    ///@{
    TPenStyle Style() const { return FStyle; }
    void SetStyle(TPenStyle Value);
    ///@}
    /// Line width in whole pixels; values below 1 draw as 1.
    ///@{
    int32_t Width() const { return FWidth; }
    void SetWidth(int32_t Value);
    ///@}

    /// Copies colour, style and width from another pen; fires OnChange once if any differed.
    void Assign(const TPersistent& Source) override;

    /// Color, Style and Width (pen) / Color and Style (brush), written when not default.
    TPublishedProperties GetPublishedProperties() override;

    /// Fired after a value changed.
    TNotifyEvent OnChange;

protected:
    /// Called after a value changed; fires OnChange.
    virtual void Changed();

private:
    TColor FColor = clBlack;
    TPenStyle FStyle = psSolid;
    int32_t FWidth = 1;
};

} // namespace kw::platform
