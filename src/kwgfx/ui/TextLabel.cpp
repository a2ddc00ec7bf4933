// SPDX-License-Identifier: MIT
#include "kwgfx/ui/TextLabel.h"

#include "kwgfx/drawing/TextMeasure.h"
#include "kwgfx/drawing/TextWrap.h"
#include "kwgfx/geometry/KwConversions.h"
#include "kwgfx/platform/graphics/CanvasStateSaver.h"
#include "kwgfx/platform/graphics/PixelRounding.h"

namespace kw {

void DrawTextLabel(platform::TCanvas& Canvas, std::string_view Text, uint32_t Flags,
                   const TRect& Rect) {
    using namespace platform;
    TRect r = Rect;
    // Only the style changes here, so putting the whole brush back restores just that.
    platform::TBrushSaver saver(Canvas);
    Canvas.Brush().SetStyle(bsClear);

    const bool vcentre = (Flags & DT_VCENTER) != 0 && (Flags & DT_SINGLELINE) == 0;
    if (vcentre || (Flags & DT_BOTTOM) != 0) {
        if ((Flags & DT_WORDBREAK) == 0) {
            Flags |= DT_SINGLELINE;
        } else {
            const float width = static_cast<float>(int64_t(r.Right) - r.Left);
            const std::string wrapped = WrapCanvasText(Canvas, Text, width);
            const int64_t h = platform::RoundToPixel(GetMultilineTextHeight(Canvas, wrapped));
            if ((Flags & DT_VCENTER) != 0)
                r.Top = platform::ClampToPixel(int64_t(CanvasCenterPoint(Rect).Y) - h / 2);
            else
                r.Top = platform::ClampToPixel(int64_t(r.Bottom) - h);
        }
    }
    Canvas.DrawText(Text, r, Flags);
}

} // namespace kw
