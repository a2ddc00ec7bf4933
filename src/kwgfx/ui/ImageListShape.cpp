// SPDX-License-Identifier: MIT
#include "kwgfx/ui/ImageListShape.h"

#include "kwgfx/drawing/Frame3D.h"
#include "kwgfx/drawing/Shapes.h"
#include "kwgfx/platform/graphics/PixelImage.h"

namespace kw {

TRect DrawShape(platform::TCanvas& Canvas, const TRect& Rect, const platform::TImageList* Images,
                int32_t ImageIndex, TKwShapeStyle Style, TKwShapeStyle FallbackStyle, bool Stretch,
                TColor LightColor, TColor ShadowColor, int32_t Depth) {
    if (Style != ssImage && Style != ss3DImage)
        return DrawShape(Canvas, Rect, nullptr, Style, Stretch, LightColor, ShadowColor, Depth,
                         1.0f);

    if (Images == nullptr || ImageIndex == -1 || ImageIndex >= Images->Count() || ImageIndex < 0)
        return DrawShape(Canvas, Rect, Images, ImageIndex, FallbackStyle, ssRectangle, true,
                         platform::clBtnHighlight, platform::clBtnShadow, 3);

    TRect r = Rect;
    if (Style == ss3DImage) Frame3DExt(Canvas, r, LightColor, ShadowColor, Depth, false, 0, 0);
    if (Stretch) {
        platform::TPixelImage bitmap;
        Images->GetBitmap(ImageIndex, bitmap);
        Canvas.StretchDraw(r, bitmap);
    } else {
        Images->Draw(Canvas, r.Left, r.Top, ImageIndex, true);
    }
    return r;
}

} // namespace kw
