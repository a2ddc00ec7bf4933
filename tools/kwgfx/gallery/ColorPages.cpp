// SPDX-License-Identifier: MIT
// Colour pages: gradients and colour schemes.
//   - gradients: line, ellipse and rectangle gradients over colour lists
//   - colour schemes: the colour list of every scheme, one swatch a colour
#include "GalleryLabels.h"
#include "GalleryPages.h"

#include <kwgfx/drawing/ColorSchemes.h>
#include <kwgfx/drawing/Gradients.h>
#include <kwgfx/platform/graphics/Colors.h>

#include <string>

namespace kwtool::gallery {

using namespace kw;
using platform::TCanvas;

// ------------------------------------------------------------------ gradients

TGalleryPage GradientsPage() {
    TGalleryPage page("gradients.png", "Gradients", 3, 240, 150);
    static const TColors rainbow = {platform::clRed, platform::clYellow, platform::clLime,
                                    platform::clAqua, platform::clBlue};
    static const TColors sunset = {0x4B0082, 0x3C14DC, 0x00A5FF, 0x8CE6F0};
    static const TColors sea = {0x800000, 0xCD5A6A, 0xFFFFE0};
    auto line = [&](const TColors& Colors, int Step, TGradientOrientation O) {
        page.Add([=](TCanvas& C, const TRect& A) {
            LineGradient(C, A, Colors, Step, O);
            return "LineGradient(" + RectText(A) + ", " + ColorsText(Colors) + ", Step " +
                   std::to_string(Step) + (O == diHorizontal ? ", diHorizontal)" : ", diVertical)");
        });
    };
    line(rainbow, 1, diHorizontal);
    line(sunset, 6, diVertical);
    line(TColors{0x2F6B55}, 1, diVertical);
    page.Add([](TCanvas& C, const TRect& A) {
        EllipseGradient(C, A, sea, 1);
        return "EllipseGradient(" + RectText(A) + ", " + ColorsText(sea) + ", Step 1)";
    });
    page.Add([](TCanvas& C, const TRect& A) {
        EllipseGradient(C, A, 0.3f, 0.35f, sunset, 1.0f);
        return "EllipseGradient(" + RectText(A) + ", CenterX 0.3, CenterY 0.35, " +
               ColorsText(sunset) + ", Step 1.0)";
    });
    page.Add([](TCanvas& C, const TRect& A) {
        RectGradient(C, A, rainbow, 3);
        return "RectGradient(" + RectText(A) + ", " + ColorsText(rainbow) + ", Step 3)";
    });
    return page;
}

// ------------------------------------------------------------------ colour schemes

TGalleryPage ColorSchemesPage() {
    TGalleryPage page("color_schemes.png", "Colour schemes", 1, 560, 30, 3);
    static const char* const names[] = {"csCustom",
                                        "csDefaultColors: DefaultColorList",
                                        "csPastels: PastelsColorList",
                                        "csBlackandWhite: BWColorList",
                                        "csGrays: GraysColorList",
                                        "csSouthwest: SouthwestColorList",
                                        "csReds: RedsColorList",
                                        "csGreens: GreensColorList",
                                        "csBlues: BluesColorList",
                                        "csViolets: VioletsColorList",
                                        "csDystopia: DystopiaColorList",
                                        "csAntique: AntiqueColorList"};
    for (int s = csDefaultColors; s <= csAntique; ++s)
        page.Add([s](TCanvas& C, const TRect& A) {
            const auto list = ColorSchemeList(TKwColorScheme(s));
            const int w = A.Width() / static_cast<int>(list.size());
            C.Pen().SetColor(0x404040);
            for (size_t k = 0; k < list.size(); ++k) {
                C.Brush().SetColor(list[k]);
                const int x = A.Left + static_cast<int>(k) * w;
                C.Rectangle(x, A.Top, x + w - 4, A.Bottom);
            }
            return std::string(names[s]) + " " + ColorsText(list);
        });
    return page;
}

} // namespace kwtool::gallery
