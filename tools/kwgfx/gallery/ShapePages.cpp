// SPDX-License-Identifier: MIT
// Shape pages: pie slices, DrawShape's styles and types, and 3D frames.
//   - pie slices: DrawPieSlice over start and end angles and offsets
//   - shape styles: the 24 styles of DrawShape, images among them
//   - shape types: 4 shape types in 4 orientations, flat and 3D
//   - 3D frames: square, rounded and elliptic frames, their face filled afterwards
//   - the sample image that the image styles draw
#include "GalleryLabels.h"
#include "GalleryPages.h"

#include <kwgfx/backends/cairo/Bitmap.h>
#include <kwgfx/drawing/Frame3D.h>
#include <kwgfx/drawing/Gradients.h>
#include <kwgfx/drawing/PieSlice.h>
#include <kwgfx/drawing/Shapes.h>

#include <string>

namespace kwtool::gallery {

using namespace kw;
using platform::TBitmap;
using platform::TCanvas;

// ------------------------------------------------------------------ pie slices

TGalleryPage PieSlicesPage() {
    TGalleryPage page("pie_slices.png", "Pie slices", 4, 160, 150, 3);
    auto slice = [&](double Start, double End, int Offset, TColor Color, bool Wide) {
        page.Add([=](TCanvas& C, const TRect& A) {
            const TRect r = Wide ? Inset(A, 0, 35) : A;
            C.Brush().SetColor(Color);
            DrawPieSlice(C, r, Start, End, Offset);
            return "DrawPieSlice(" + RectText(r) + ", " + Num(Start) + ", " + Num(End) +
                   ", AngleOffset " + std::to_string(Offset) + ")";
        });
    };
    slice(0, 90, 0, 0x3080F0, false);
    slice(45, 225, 0, 0x40C040, false);
    slice(0, 90, 45, 0xF08030, false);
    slice(30, 330, 0, 0x00D0FF, false);
    slice(90, 360, 0, 0xC060C0, false);
    slice(200, 100, 0, 0x808080, false);
    slice(-45, 45, 0, 0x6060E0, true);
    slice(10, 170, 180, 0x40A0A0, true);
    return page;
}

// ------------------------------------------------------------------ shapes

namespace {

// The names of TKwShapeStyle's values, for the labels.
const char* const StyleNames[] = {
    "ssRectangle",      "ssEllipse",         "ssImage",        "ssDiamond",
    "ssLeftTriangle",   "ssRightTriangle",   "ssUpTriangle",   "ssDownTriangle",
    "ssRoundRect",      "ssSquare",          "ssCircle",       "ssRoundSquare",
    "ss3DRectangle",    "ss3DEllipse",       "ss3DImage",      "ss3DDiamond",
    "ss3DLeftTriangle", "ss3DRightTriangle", "ss3DUpTriangle", "ss3DDownTriangle",
    "ss3DRoundRect",    "ss3DSquare",        "ss3DCircle",     "ss3DRoundSquare"};

} // namespace

TGalleryPage ShapeStylesPage(const TBitmap& Image) {
    TGalleryPage page("shape_styles.png", "DrawShape: the 24 shape styles", 5, 160, 90, 5);
    for (int s = ssRectangle; s <= ss3DRoundSquare; ++s) {
        page.Add([s, &Image](TCanvas& C, const TRect& A) {
            const bool stretch = s == ssImage;
            C.Brush().SetColor(0x60B0F0);
            C.Pen().SetColor(0x204080);
            DrawShape(C, A, &Image, TKwShapeStyle(s), stretch, kLight, kShadow, 5);
            return "DrawShape(" + RectText(A) + ", Bitmap, " + StyleNames[s] + ", Stretch " +
                   Bool(stretch) + ", " + Hex(kLight) + ", " + Hex(kShadow) + ", Depth 5)";
        });
    }
    page.Add([&Image](TCanvas& C, const TRect& A) {
        DrawShape(C, A, &Image, ssImage, false, kLight, kShadow, 5);
        return "DrawShape(" + RectText(A) + ", Bitmap, ssImage, Stretch False, " + Hex(kLight) +
               ", " + Hex(kShadow) + ", Depth 5)";
    });
    return page;
}

TGalleryPage ShapeTypesPage() {
    TGalleryPage page("shape_types.png", "DrawShape: 4 shape types in 4 orientations", 4, 150, 80,
                      4);
    static const char* const types[] = {"sRect", "sCircle", "sIsoscelesTriangle", "sRightTriangle"};
    static const char* const orientations[] = {"soUp", "soDown", "soLeft", "soRight"};
    for (int t = sRect; t <= sRightTriangle; ++t)
        for (int o = soUp; o <= soRight; ++o)
            page.Add([t, o](TCanvas& C, const TRect& A) {
                C.Brush().SetColor(0x3CB371);
                const TRect used =
                    DrawShape(C, A, TKwShapeType(t), TKwShapeOrientation(o), true, 6);
                return std::string("DrawShape(") + RectText(A) + ", " + types[t] + ", " +
                       orientations[o] + ", Is3D True, Depth 6) = " + RectText(used);
            });
    for (int t = sRect; t <= sRightTriangle; ++t)
        page.Add([t](TCanvas& C, const TRect& A) {
            C.Brush().SetColor(0x3CB371);
            DrawShape(C, A, TKwShapeType(t), soUp, false, 6);
            return std::string("DrawShape(") + RectText(A) + ", " + types[t] +
                   ", soUp, Is3D False, Depth 6)";
        });
    return page;
}

TGalleryPage FramesPage() {
    TGalleryPage page("frames_3d.png", "3D frames (the face filled afterwards)", 3, 200, 120, 4);
    constexpr TColor light = kLight, dark = kShadow, face = 0xC8C8C8;
    auto square = [&](int Width) {
        page.Add([=](TCanvas& C, const TRect& A) {
            TRect r = A;
            Frame3DExt(C, r, light, dark, Width);
            C.Brush().SetColor(face);
            C.FillRect(r);
            return "Frame3DExt(" + RectText(A) + ", " + Hex(light) + ", " + Hex(dark) + ", Width " +
                   std::to_string(Width) + ", Rounded False) leaves " + RectText(r);
        });
    };
    auto rounded = [&](int Width, int CW, int CH) {
        page.Add([=](TCanvas& C, const TRect& A) {
            TRect r = A;
            C.Pen().SetColor(0x404040);
            Frame3DExt(C, r, light, dark, Width, true, CW, CH);
            C.Brush().SetColor(face);
            C.Pen().SetStyle(platform::psClear);
            C.RoundRect(r.Left, r.Top, r.Right, r.Bottom, CW, CH);
            return "Frame3DExt(" + RectText(A) + ", " + Hex(light) + ", " + Hex(dark) + ", Width " +
                   std::to_string(Width) + ", Rounded True, " + std::to_string(CW) + ", " +
                   std::to_string(CH) + ") leaves " + RectText(r);
        });
    };
    auto ellipse = [&](int Width) {
        page.Add([=](TCanvas& C, const TRect& A) {
            TRect r = A;
            Frame3DEllipse(C, r, light, dark, Width);
            C.Brush().SetColor(face);
            C.Pen().SetStyle(platform::psClear);
            C.Ellipse(r);
            return "Frame3DEllipse(" + RectText(A) + ", " + Hex(light) + ", " + Hex(dark) +
                   ", Width " + std::to_string(Width) + ") leaves " + RectText(r);
        });
    };
    square(1);
    square(4);
    square(10);
    rounded(4, 30, 30);
    rounded(6, 60, 40);
    ellipse(6);
    return page;
}

// ------------------------------------------------------------------ sample image

void PaintSampleImage(TBitmap& Image) {
    TCanvas& c = Image.Canvas();
    static const TColor colors[] = {0x2060C0, 0x40C0F0, 0xF0F0A0};
    LineGradient(c, TRect(0, 0, Image.Width(), Image.Height()), colors, 2, diHorizontal);
    c.Brush().SetStyle(platform::bsClear);
    c.Pen().SetColor(0x203040);
    c.Rectangle(0, 0, Image.Width(), Image.Height());
    c.Ellipse(Image.Width() / 4, Image.Height() / 4, Image.Width() * 3 / 4, Image.Height() * 3 / 4);
}

} // namespace kwtool::gallery
