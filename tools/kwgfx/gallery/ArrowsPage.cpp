// SPDX-License-Identifier: MIT
// The arrows page: DrawArrow on segments with each head option, wide lines and captions,
// and on chains of integer and float points.
#include "GalleryLabels.h"
#include "GalleryPages.h"

#include <kwgfx/drawing/Arrows.h>

#include <string>
#include <string_view>

namespace kwtool::gallery {

using namespace kw;
using platform::TCanvas;

namespace {

std::string OptionsText(TArrowOptions O) {
    static const char* const names[] = {"aoArrowAtStart", "aoArrowAtEnd", "aoFillHead",
                                        "aoClosedHead", "aoDrawCaption"};
    std::string out = "[";
    for (int k = 0; k < 5; ++k)
        if (O.Contains(TArrowOption(k)))
            out += (out.size() > 1 ? ", " : "") + std::string(names[k]);
    return out + "]";
}

std::string CaptionText(std::string_view Caption) {
    std::string out = "'";
    for (char ch : Caption)
        out += ch == '\r' ? std::string("#13") : ch == '\n' ? "#10" : std::string(1, ch);
    return out + "'";
}

} // namespace

TGalleryPage ArrowsPage() {
    TGalleryPage page("arrows.png", "Arrows", 4, 210, 120, 6);
    auto segment = [&](TArrowOptions Options, int LineWidth, std::string Caption) {
        page.Add([=](TCanvas& C, const TRect& A) {
            const TPoint p1(A.Left + 20, A.Bottom - 20), p2(A.Right - 20, A.Top + 20);
            C.Brush().SetColor(0x5FA0F0);
            C.Pen().SetColor(0x202060);
            DrawArrow(C, p1.X, p1.Y, p2.X, p2.Y, 14, Caption, Options, LineWidth);
            return "DrawArrow(" + std::to_string(p1.X) + ", " + std::to_string(p1.Y) + ", " +
                   std::to_string(p2.X) + ", " + std::to_string(p2.Y) + ", HeadSize 14, " +
                   CaptionText(Caption) + ", " + OptionsText(Options) + ", LineWidth " +
                   std::to_string(LineWidth) + ")";
        });
    };
    segment({}, 1, "");
    segment({aoArrowAtEnd}, 1, "");
    segment({aoArrowAtStart, aoArrowAtEnd}, 1, "");
    segment({aoArrowAtEnd, aoClosedHead}, 1, "");
    segment({aoArrowAtEnd, aoFillHead}, 1, "");
    segment({aoArrowAtStart, aoArrowAtEnd, aoFillHead, aoClosedHead}, 1, "");
    segment({aoArrowAtEnd}, 8, "");
    segment({aoArrowAtStart, aoArrowAtEnd, aoFillHead}, 8, "");
    segment({aoArrowAtEnd, aoDrawCaption}, 1, "caption\r\nline two");
    segment({aoArrowAtEnd}, 1, "caption");
    page.Add([](TCanvas& C, const TRect& A) {
        const TPoint chain[] = {{A.Left + 10, A.Bottom - 10},
                                {A.Left + 70, A.Top + 20},
                                {A.Left + 130, A.Bottom - 20},
                                {A.Right - 10, A.Top + 10}};
        const TArrowOptions o = {aoArrowAtStart, aoArrowAtEnd, aoFillHead, aoDrawCaption};
        C.Brush().SetColor(0x50B050);
        DrawArrow(C, chain, 10, "mid", o, 1, -1);
        std::string points;
        for (const TPoint& p : chain) points += (points.empty() ? "" : " ") + PointText(p);
        return "DrawArrow([" + points + "], HeadSize 10, 'mid', " + OptionsText(o) +
               ", LineWidth 1, CaptionIndex -1)";
    });
    page.Add([](TCanvas& C, const TRect& A) {
        const TKwPoint chain[] = {{A.Left + 10.4f, A.Top + 60.5f},
                                  {A.Left + 100.5f, A.Top + 15.5f},
                                  {A.Right - 10.5f, A.Top + 60.5f}};
        const TArrowOptions o = {aoArrowAtEnd, aoClosedHead, aoFillHead, aoDrawCaption};
        C.Brush().SetColor(0x3050E0);
        DrawArrow(C, chain, 10, "first", o, 5, 0);
        std::string points;
        for (const TKwPoint& p : chain)
            points += (points.empty() ? "(" : " (") + Num(p.X) + ", " + Num(p.Y) + ")";
        return "DrawArrow([" + points + "], HeadSize 10, 'first', " + OptionsText(o) +
               ", LineWidth 5, CaptionIndex 0)";
    });
    return page;
}

} // namespace kwtool::gallery
