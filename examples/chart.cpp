// SPDX-License-Identifier: MIT
// chart: one picture made of the library's drawing routines, the way a report or a
// dashboard would use them.
//
//   chart [OUT.png]          (chart.png unless given)
//
// The 640 x 400 picture, from back to front:
//   - a gradient background, light blue at the top to white at the bottom (DirectionGradient);
//   - a title turned 90 degrees counter-clockwise, reading upwards along the left edge
//     (RotateFont);
//   - a pie of four slices in the circle (320, 70, 540, 290), the first starting at 90
//     degrees (straight up) and each following counter-clockwise (DrawPieSlice), with a
//     caption beside each slice and an arrow from the caption to it (DrawArrow);
//   - a paragraph wrapped between words into the column (70, 60, 215, 300) (DrawText);
//   - a progress bar of ten steps, seven done, in (70, 340, 570, 370) (ProgressRect), on a
//     white track with a grey frame.
// The pie, the arrows and the bar are drawn without anti-aliasing, so their colours are
// exact.

#include <kwgfx/KwGraphics.h>
#include <kwgfx/KwVclGraphics.h>
#include <kwgfx/backends/cairo/Bitmap.h>
#include <kwgfx/backends/cairo/CairoStaticData.h>

#include <cmath>
#include <cstdio>
#include <exception>
#include <numbers>
#include <string>

namespace {

using kw::TColor;
using kw::platform::RGB;

struct TSlice {
    const char* Caption;
    double Share; // of the whole pie, the shares add up to 1
    TColor Color;
};

constexpr TSlice kSlices[] = {
    {"Design 40%", 0.40, RGB(0x1E, 0x88, 0xE5)},
    {"Build 30%", 0.30, RGB(0xFB, 0x8C, 0x00)},
    {"Test 20%", 0.20, RGB(0x43, 0xA0, 0x47)},
    {"Ship 10%", 0.10, RGB(0x8E, 0x24, 0xAA)},
};
constexpr kw::TRect kPie{320, 70, 540, 290};
constexpr double kFirstSliceStart = 90; // degrees, counter-clockwise from the right

void DrawBackground(kw::platform::TCanvas& Canvas, const kw::TRect& Area) {
    const TColor colors[] = {RGB(0xBB, 0xDE, 0xFB), kw::platform::clWhite};
    kw::DirectionGradient(Canvas, Area, colors, kw::gdDown, 4);
}

void DrawTitle(kw::platform::TCanvas& Canvas, const char* Title) {
    Canvas.Font().SetHeight(-22);
    Canvas.Font().SetStyle(kw::platform::TFontStyles{kw::platform::fsBold});
    Canvas.Font().SetColor(RGB(0x0D, 0x47, 0xA1));
    kw::RotateFont(Canvas.Font(), 90);
    Canvas.Brush().SetStyle(kw::platform::bsClear);
    // Turned about its top-left corner: the text runs up from (16, 330).
    Canvas.TextOut(16, 330, Title);
    kw::RotateFont(Canvas.Font(), 0);
}

// A point at Radius from the pie's centre in the direction Angle (degrees, counter-clockwise
// from the right; screen y grows downwards).
kw::TPoint OnPie(double Angle, double Radius) {
    const double a = Angle * std::numbers::pi / 180;
    const double cx = (kPie.Left + kPie.Right) / 2.0, cy = (kPie.Top + kPie.Bottom) / 2.0;
    return {int32_t(std::lround(cx + Radius * std::cos(a))),
            int32_t(std::lround(cy - Radius * std::sin(a)))};
}

void DrawPie(kw::platform::TCanvas& Canvas) {
    const double radius = (kPie.Right - kPie.Left) / 2.0;
    double start = kFirstSliceStart;
    for (const TSlice& slice : kSlices) {
        const double end = start + slice.Share * 360;
        Canvas.Pen().SetColor(kw::platform::clWhite);
        Canvas.Pen().SetWidth(2);
        Canvas.Brush().SetStyle(kw::platform::bsSolid);
        Canvas.Brush().SetColor(slice.Color);
        kw::DrawPieSlice(Canvas, kPie, start, end, 0);

        // The caption outside the pie, an arrow from it to the middle of the slice's rim.
        const double middle = (start + end) / 2;
        const kw::TPoint from = OnPie(middle, radius + 30);
        const kw::TPoint to = OnPie(middle, radius - 8);
        Canvas.Pen().SetColor(RGB(0x42, 0x42, 0x42));
        Canvas.Pen().SetWidth(1);
        Canvas.Brush().SetColor(RGB(0x42, 0x42, 0x42));
        kw::DrawArrow(Canvas, from.X, from.Y, to.X, to.Y, 6, "", {kw::aoArrowAtEnd, kw::aoFillHead},
                      1);
        Canvas.Font().SetHeight(-13);
        Canvas.Font().SetStyle({});
        Canvas.Font().SetColor(RGB(0x42, 0x42, 0x42));
        Canvas.Brush().SetStyle(kw::platform::bsClear);
        const int32_t w = Canvas.TextWidth(slice.Caption);
        const int32_t x =
            std::cos(middle * std::numbers::pi / 180) < 0 ? from.X - w - 4 : from.X + 4;
        Canvas.TextOut(x, from.Y - Canvas.TextHeight(slice.Caption) / 2, slice.Caption);
        start = end;
    }
}

void DrawParagraph(kw::platform::TCanvas& Canvas, kw::TRect Column) {
    Canvas.Font().SetHeight(-14);
    Canvas.Font().SetStyle({});
    Canvas.Font().SetColor(RGB(0x21, 0x21, 0x21));
    Canvas.Brush().SetStyle(kw::platform::bsClear);
    Canvas.DrawText("Most of the time goes into design and building. Testing takes a fifth of "
                    "it, and shipping the rest: the pie on the right shows the shares, the bar "
                    "below how far the current release has come.",
                    Column, kw::platform::DT_WORDBREAK | kw::platform::DT_NOPREFIX);
}

void DrawProgress(kw::platform::TCanvas& Canvas, const kw::TRect& Bar) {
    // The track: the whole bar, which the done steps then cover.
    Canvas.Pen().SetColor(RGB(0x9E, 0x9E, 0x9E));
    Canvas.Pen().SetWidth(1);
    Canvas.Brush().SetStyle(kw::platform::bsSolid);
    Canvas.Brush().SetColor(kw::platform::clWhite);
    Canvas.Rectangle(Bar.Left - 4, Bar.Top - 4, Bar.Right + 4, Bar.Bottom + 4);
    // The steps take the brush's style and the palette's colours.
    const TColor colors[] = {RGB(0x43, 0xA0, 0x47)};
    Canvas.Pen().SetColor(RGB(0x2E, 0x7D, 0x32));
    kw::ProgressRect(Canvas, Bar, 0, 7, 0, 10, colors, false, 10, kw::sRect, kw::soUp, false, 0, 4,
                     kw::poHorizontal, kw::pdForward, kw::dtAllProgress);
}

// Draws the chart into a picture and saves it.
void SaveChart(const std::string& File) {
    kw::platform::TBitmap picture(640, 400);
    kw::platform::TCanvas& canvas = picture.Canvas();
    DrawBackground(canvas, {0, 0, 640, 400});
    DrawTitle(canvas, "Where the time goes");
    DrawPie(canvas);
    DrawParagraph(canvas, {70, 60, 215, 300});
    DrawProgress(canvas, {70, 340, 570, 370});
    picture.SaveToFile(File);
    std::printf("%s: %d x %d\n", File.c_str(), picture.Width(), picture.Height());
}

} // namespace

int main(int argc, char** argv) {
    int status = 0;
    try {
        SaveChart(argc > 1 ? argv[1] : "chart.png");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "chart: %s\n", e.what());
        status = 1;
    }
    // With every bitmap gone, Cairo's font caches can go too: leak checkers then see a
    // clean exit.
    kw::platform::ReleaseCairoStaticData();
    return status;
}
