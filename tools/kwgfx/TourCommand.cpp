// SPDX-License-Identifier: MIT
// kwgfx tour: a short tour of the geometry API, each line a call and its result.
#include "ToolCommands.h"

#include <kwgfx/KwGraphics.h>
#include <kwgfx/platform/graphics/Colors.h>

#include <cstdio>
#include <string>

namespace {

std::string RectText(const kw::TKwRect& R) {
    return kw::KwPointToString(R.TopLeft()) + "-" + kw::KwPointToString(R.BottomRight());
}

std::string RectText(const kw::TRect& R) {
    return RectText(kw::RectToKwRect(R));
}

} // namespace

namespace kwtool {

int RunTour(TArgs Args) {
    using namespace kw;
    if (!Args.empty()) throw ToolError("tour takes no arguments");

    const TKwPoint p = KwPoint(3.0f, -1.5f);
    const std::string text = KwPointToString(p);
    std::printf("point text          %s -> read back %s\n", text.c_str(),
                KwPointToString(StringToKwPoint(text)).c_str());
    std::printf("float text          %s\n", KwPointToString(KwPoint(0.1f, 1e20f)).c_str());

    const TPoint rounded = CanvasPoint(2.5f, 3.5f);
    std::printf("round half to even  (2.5, 3.5) -> (%d, %d)\n", rounded.X, rounded.Y);

    TKwRect r(0, 0, 200, 100);
    const float ratio = FitRect(r, TKwRect(0, 0, 100, 100), false);
    std::printf("fit 200x100 in 100  ratio %g, %s\n", ratio, RectText(r).c_str());

    TRect box(0, 0, 3, 3);
    CenterRect(box, TRect(0, 0, 10, 10));
    std::printf("centre 3x3 in 10    %s\n", RectText(box).c_str());

    TKwPoints crossings;
    KwIntersectRect(KwPoint(-5, 5), KwPoint(15, 5), TKwRect(0, 0, 10, 10), crossings);
    std::printf("segment meets rect ");
    for (const TKwPoint& c : crossings) std::printf(" %s", KwPointToString(c).c_str());
    std::printf("\n");

    const TCanvasPoints square{{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    std::printf("point in square     (0,5) %s, (10,5) %s\n",
                PointInPath(square, 0, 5) ? "inside" : "outside",
                PointInPath(square, 10, 5) ? "inside" : "outside");

    const TKwRect mapped =
        FitRect(CreateScaleKwMatrix(2, 1), TKwRect(0, 0, 10, 20), TKwRect(5, 5, 25, 45));
    std::printf("fit, then scale x2  %s\n", RectText(mapped).c_str());

    std::printf("colour names        %s %s %s\n", CanvasColorToString(0x0000FF).c_str(),
                CanvasColorToString(platform::clBtnFace).c_str(),
                CanvasColorToString(0x00123456).c_str());
    return 0;
}

} // namespace kwtool
