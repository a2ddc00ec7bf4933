#include "kwgfx/ui/TextLabel.h"

#include "kwgfx/drawing/DrawingRounding.h"
#include "kwgfx/drawing/TextMeasure.h"
#include "kwgfx/drawing/TextWrap.h"
#include "kwgfx/geometry/KwConversions.h"

namespace kw {

namespace {

// Puts the brush style back on every exit.
class TBrushStyleSaver {
public:
    explicit TBrushStyleSaver(platform::TCanvas& Canvas)
        : FCanvas(Canvas), FSaved(Canvas.Brush().Style()) {}
    TBrushStyleSaver(const TBrushStyleSaver&) = delete;
    TBrushStyleSaver& operator=(const TBrushStyleSaver&) = delete;
    ~TBrushStyleSaver() { FCanvas.Brush().SetStyle(FSaved); }

private:
    platform::TCanvas& FCanvas;
    platform::TBrushStyle FSaved;
};

} // namespace

void DrawTextLabel(platform::TCanvas& Canvas, std::string_view Text, uint32_t Flags,
                   const TRect& Rect) {
    using namespace platform;
    TRect r = Rect;
    TBrushStyleSaver saver(Canvas);
    Canvas.Brush().SetStyle(bsClear);

    const bool vcentre = (Flags & DT_VCENTER) != 0 && (Flags & DT_SINGLELINE) == 0;
    if (vcentre || (Flags & DT_BOTTOM) != 0) {
        if ((Flags & DT_WORDBREAK) == 0) {
            Flags |= DT_SINGLELINE;
        } else {
            const float width = static_cast<float>(int64_t(r.Right) - r.Left);
            const std::string wrapped = WrapCanvasText(Canvas, Text, width);
            const int64_t h = detail::RoundPixel(GetMultilineTextHeight(Canvas, wrapped));
            if ((Flags & DT_VCENTER) != 0)
                r.Top = detail::ClampPixel(int64_t(CanvasCenterPoint(Rect).Y) - h / 2);
            else
                r.Top = detail::ClampPixel(int64_t(r.Bottom) - h);
        }
    }
    Canvas.DrawText(Text, r, Flags);
}

} // namespace kw
