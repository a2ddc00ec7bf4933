// SPDX-License-Identifier: MIT
// The gallery page: lays out the cells in a grid, frames each area, draws the cells and
// prints their labels, on whatever canvas the output gives it.
#include "GalleryPage.h"

#include <kwgfx/drawing/TextWrap.h>
#include <kwgfx/platform/graphics/Colors.h>

#include <algorithm>

namespace kwtool::gallery {

using kw::platform::TCanvas;
using kw::platform::TRect;
namespace platform = kw::platform;

void TGalleryPage::Draw(TCanvas& C, bool Labels) const {
    ResetState(C);
    C.Font().SetHeight(-17);
    C.Font().SetStyle({platform::fsBold});
    C.Brush().SetStyle(platform::bsClear);
    if (Labels) C.TextOut(kPad, 8, FTitle);
    for (int k = 0; k < static_cast<int>(FCells.size()); ++k) {
        const int x = (k % FColumns) * CellWidth();
        const int y = kTitleHeight + (k / FColumns) * CellHeight();
        const TRect area(x + kPad, y + kPad, x + kPad + FAreaWidth, y + kPad + FAreaHeight);
        DrawAreaFrame(C, area);
        ResetState(C);
        const std::string label = FCells[k](C, area);
        if (Labels) DrawLabel(C, label, area.Left, area.Bottom + 6, FAreaWidth);
    }
}

void TGalleryPage::ResetState(TCanvas& C) {
    C.Pen().SetColor(platform::clBlack);
    C.Pen().SetStyle(platform::psSolid);
    C.Pen().SetWidth(1);
    C.Brush().SetColor(platform::clWhite);
    C.Brush().SetStyle(platform::bsSolid);
    C.Font().SetName("Default");
    C.Font().SetHeight(-12);
    C.Font().SetStyle({});
    C.Font().SetColor(platform::clBlack);
}

// A light dotted frame two pixels outside the area: the rectangle the routine got.
void TGalleryPage::DrawAreaFrame(TCanvas& C, const TRect& Area) {
    C.Pen().SetColor(0xC8C8C8);
    C.Pen().SetStyle(platform::psDot);
    C.Brush().SetStyle(platform::bsClear);
    C.Rectangle(Area.Left - 2, Area.Top - 2, Area.Right + 2, Area.Bottom + 2);
}

// The label wrapped to the area's width, at most FLabelLines lines of it.
void TGalleryPage::DrawLabel(TCanvas& C, std::string_view Label, int X, int Y, int Width) const {
    ResetState(C);
    C.Font().SetHeight(-11);
    C.Font().SetColor(0x303030);
    C.Brush().SetStyle(platform::bsClear);
    const std::string wrapped = kw::WrapCanvasText(C, Label, static_cast<float>(Width));
    std::string_view rest = wrapped;
    for (int line = 0; line < FLabelLines && !rest.empty(); ++line) {
        const size_t end = rest.find("\r\n");
        C.TextOut(X, Y + line * kLineHeight, rest.substr(0, end));
        if (end == std::string_view::npos) break;
        rest.remove_prefix(end + 2);
    }
}

} // namespace kwtool::gallery
