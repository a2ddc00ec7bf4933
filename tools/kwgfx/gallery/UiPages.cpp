// SPDX-License-Identifier: MIT
// User-interface pages: wrapped text, the user-interface helpers and hint windows.
//   - wrapped text: WrapCanvasText at three widths
//   - user-interface helpers: direction gradients, rotated fonts, text labels and
//     image-list shapes
//   - hint windows: TKwHintWindow painted into a bitmap window surface
#include "GalleryLabels.h"
#include "GalleryPages.h"

#include <kwgfx/KwHintWindow.h>
#include <kwgfx/KwVclGraphics.h>
#include <kwgfx/backends/cairo/Bitmap.h>
#include <kwgfx/backends/cairo/BitmapWindowSurface.h>
#include <kwgfx/drawing/TextWrap.h>
#include <kwgfx/geometry/KwConstants.h>
#include <kwgfx/platform/graphics/Colors.h>
#include <kwgfx/platform/graphics/PixelRounding.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

namespace kwtool::gallery {

using namespace kw;
using platform::TBitmap;
using platform::TCanvas;

// ------------------------------------------------------------------ wrapped text

TGalleryPage TextWrapPage() {
    TGalleryPage page("text_wrap.png", "Text wrapping", 3, 330, 230, 2);
    static const std::string text =
        "Wrapping keeps \"quoted runs like this one\" together, breaks well-known hyphenated "
        "words after the hyphen and keeps trailing spaces on the upper line.\r\nA line end "
        "in the text starts a new line. An overlong word: "
        "supercalifragilisticexpialidocious.";
    for (int width : {120, 200, 320})
        page.Add([=](TCanvas& C, const TRect& A) {
            C.Brush().SetStyle(platform::bsClear);
            const std::string wrapped = WrapCanvasText(C, text, static_cast<float>(width));
            const int lineHeight = C.TextHeight("A");
            int y = A.Top;
            std::string_view rest = wrapped;
            while (!rest.empty()) {
                size_t end = rest.find_first_of("\r\n");
                C.TextOut(A.Left, y, rest.substr(0, end));
                y += lineHeight;
                if (end == std::string_view::npos) break;
                if (rest.compare(end, 2, "\r\n") == 0) ++end;
                rest.remove_prefix(end + 1);
            }
            C.Pen().SetColor(platform::clRed);
            C.Pen().SetStyle(platform::psDot);
            C.MoveTo(A.Left + width, A.Top);
            C.LineTo(A.Left + width, A.Bottom);
            return "WrapCanvasText(Canvas, Text, " + std::to_string(width) +
                   "), lines drawn with TextOut; the red line marks the width";
        });
    return page;
}

// ------------------------------------------------------------------ user-interface helpers

namespace {

const char* const DirectionNames[] = {"gdDownRight", "gdDown",    "gdDownLeft", "gdRight",
                                      "gdLeft",      "gdUpRight", "gdUp",       "gdUpLeft"};

std::string FlagsText(uint32_t Flags) {
    std::string out;
    const std::pair<uint32_t, const char*> names[] = {{platform::DT_CENTER, "DT_CENTER"},
                                                      {platform::DT_VCENTER, "DT_VCENTER"},
                                                      {platform::DT_BOTTOM, "DT_BOTTOM"},
                                                      {platform::DT_WORDBREAK, "DT_WORDBREAK"}};
    for (const auto& [bit, name] : names)
        if (Flags & bit) out += (out.empty() ? "" : " or ") + std::string(name);
    return out.empty() ? "DT_TOP" : out;
}

} // namespace

TGalleryPage UiHelpersPage() {
    TGalleryPage page("ui_helpers.png",
                      "User-interface helpers: direction gradients, rotated fonts, text labels, "
                      "image-list shapes",
                      4, 200, 120, 4);
    static const TColors colors = {0x8B3A1E, 0x40C0F0, 0xE0F0F0};
    // The four diagonals first, then the four axis directions.
    for (int d : {gdDownRight, gdDownLeft, gdUpRight, gdUpLeft, gdDown, gdUp, gdRight, gdLeft})
        page.Add([d](TCanvas& C, const TRect& A) {
            DirectionGradient(C, A, colors, TGradientDirection(d), 1);
            return "DirectionGradient(" + RectText(A) + ", " + ColorsText(colors) + ", " +
                   DirectionNames[d] + ", Step 1)" +
                   (d == gdDown || d == gdUp || d == gdRight || d == gdLeft ? ""
                                                                            : ", two triangles");
        });

    page.Add([](TCanvas& C, const TRect& A) {
        // Each label starts on a small arc around the fan's centre, so that they do not
        // overlap where they begin.
        const TPoint centre(A.Left + 4, A.Bottom - 22);
        C.Brush().SetStyle(platform::bsClear);
        C.Font().SetHeight(-13);
        for (int angle = 0; angle <= 90; angle += 30) {
            const double radians = angle * cPI / 180.0;
            C.Font().SetColor(InterpolateColor(0x8B3A1E, 0x2060F0, angle / 90.0f));
            RotateFont(C.Font(), float(angle));
            C.TextOut(centre.X + platform::RoundToPixel(30 * std::cos(radians)),
                      centre.Y - platform::RoundToPixel(30 * std::sin(radians)),
                      "rotated " + std::to_string(angle));
        }
        // The next cells and the label draw level again.
        C.Font().SetOrientation(0);
        return "RotateFont(Font, 0 .. 90 step 30), then TextOut 30 pixels from " +
               PointText(centre) + " along each angle";
    });
    for (uint32_t v : {platform::DT_TOP, platform::DT_VCENTER, platform::DT_BOTTOM}) {
        page.Add([v](TCanvas& C, const TRect& A) {
            const uint32_t flags = v | platform::DT_WORDBREAK | platform::DT_CENTER;
            C.Pen().SetColor(0x808080);
            C.Brush().SetColor(0xF4F8FA);
            C.Rectangle(A);
            const TRect box = Inset(A, 6, 6);
            DrawTextLabel(C, "A label of several words wrapped to the width of its box", flags,
                          box);
            return "DrawTextLabel(Text, " + FlagsText(flags) + ", " + RectText(box) + ")";
        });
    }

    auto images = std::make_shared<platform::TImageList>(48, 32);
    auto sample = std::make_shared<TBitmap>(48, 32);
    PaintSampleImage(*sample);
    images->Add(sample);
    page.Add([images](TCanvas& C, const TRect& A) {
        DrawShape(C, A, images.get(), 0, ssImage, ssEllipse, true, kLight, kShadow, 4);
        return "DrawShape(" + RectText(A) + ", Images, 0, ssImage, ssEllipse, Stretch True)";
    });
    page.Add([images](TCanvas& C, const TRect& A) {
        DrawShape(C, A, images.get(), 0, ss3DImage, ssEllipse, false, kLight, kShadow, 4);
        return "DrawShape(" + RectText(A) +
               ", Images, 0, ss3DImage, ssEllipse, Stretch False, Depth 4)";
    });
    page.Add([](TCanvas& C, const TRect& A) {
        C.Brush().SetColor(0x60B0F0);
        DrawShape(C, A, nullptr, 0, ssImage, ss3DEllipse, false, kLight, kShadow, 4);
        return "DrawShape(" + RectText(A) +
               ", no image list, ssImage, fallback ss3DEllipse): clBtnHighlight, clBtnShadow, "
               "depth 3";
    });
    page.Add([images](TCanvas& C, const TRect& A) {
        C.Brush().SetColor(0x60B0F0);
        DrawShape(C, A, images.get(), 5, ss3DImage, ss3DRoundRect, false, kLight, kShadow, 4);
        return "DrawShape(" + RectText(A) +
               ", Images, index 5 of 1, ss3DImage, fallback ss3DRoundRect)";
    });
    return page;
}

// ------------------------------------------------------------------ hint windows

namespace {

// Shows a hint window that paints into a bitmap of its own and copies its picture into
// the cell; Show activates the window and returns the label. The application's own
// factory (windows on screen, in kwgfx demo) comes back afterwards.
std::string DrawHintWindow(TCanvas& C, const TRect& A,
                           const std::function<std::string(TKwHintWindow&)>& Show) {
    const platform::TWindowSurfaceFactory previous = platform::Application().WindowSurfaceFactory();
    platform::Application().SetWindowSurfaceFactory(
        [] { return std::make_unique<platform::TBitmapWindowSurface>(); });
    std::string label;
    try {
        TKwHintWindow hint(nullptr);
        label = Show(hint);
        auto& surface = static_cast<platform::TBitmapWindowSurface&>(hint.Surface());
        C.Draw(A.Left + hint.Left(), A.Top + hint.Top(), surface.Bitmap());
    } catch (...) {
        platform::Application().SetWindowSurfaceFactory(previous);
        throw;
    }
    platform::Application().SetWindowSurfaceFactory(previous);
    return label;
}

} // namespace

TGalleryPage HintWindowsPage() {
    TGalleryPage page("hint_window.png", "Hint windows (TKwHintWindow)", 3, 240, 110, 4);
    page.Add([](TCanvas& C, const TRect& A) {
        return DrawHintWindow(C, A, [](TKwHintWindow& H) {
            H.ActivateHint(TPoint(10, 10), "Saves the document");
            return std::string("ActivateHint(Point(10, 10), \"Saves the document\")");
        });
    });
    page.Add([](TCanvas& C, const TRect& A) {
        return DrawHintWindow(C, A, [](TKwHintWindow& H) {
            static const std::string text =
                "Opens the drawing in a new window, so that two parts of it can be seen at once";
            const TRect r = H.CalcHintRect(180, text, nullptr);
            H.ActivateHint(TRect(r.Left + 10, r.Top + 10, r.Right + 10, r.Bottom + 10), text);
            return "CalcHintRect(180, Text, nil) = " + RectText(r) +
                   ", moved by (10, 10), then ActivateHint(Rect, Text): the text wraps between "
                   "words";
        });
    });
    page.Add([](TCanvas& C, const TRect& A) {
        return DrawHintWindow(C, A, [](TKwHintWindow& H) {
            H.Font().SetHeight(-18);
            H.Font().SetStyle({platform::fsBold});
            H.SetColor(0xE0F0FF);
            H.ActivateHint(TPoint(10, 10), "Cut & paste");
            return "Font.Height -18, bold, Color " + Hex(H.Color()) + ": \"&\" is drawn as itself";
        });
    });
    return page;
}

} // namespace kwtool::gallery
