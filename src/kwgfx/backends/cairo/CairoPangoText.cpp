// SPDX-License-Identifier: MIT
// TCairoCanvas's text through Pango: one line drawn with its background, underline and
// strike-out, turned by the font's orientation. The line is laid out (or found laid out) by
// the canvas's TPangoText, in canvas pixels; the target only renders its glyphs, so a PDF
// page places them where a bitmap does and keeps them as text.
#include "kwgfx/backends/cairo/CairoCanvas.h"
#include "kwgfx/backends/cairo/detail/CairoConvert.h"
#include "kwgfx/backends/cairo/detail/PangoText.h"

#include <numbers>

namespace kw::platform {

using namespace cairo_detail;

TPangoText& TCairoCanvas::Pango() {
    if (!FPango) FPango.reset(new TPangoText);
    return *FPango;
}

void TCairoCanvas::PangoTextAt(int32_t X, int32_t Y, std::string_view Text, const TRect* Clip) {
    const auto lock = LockPango();
    TPangoText& pango = Pango();
    pango.Select(Font(), FAntialias, FDrawTextFlags);
    const TPangoFontMetrics& m = pango.Metrics();
    const TPangoLine line = pango.Line(Text);

    BeginDrawing();
    if (Clip) {
        cairo_rectangle(FContext, Clip->Left, Clip->Top, Clip->Width(), Clip->Height());
        cairo_clip(FContext);
    }
    // The text turns counter-clockwise (on screen) around its top-left corner.
    cairo_translate(FContext, X, Y);
    cairo_rotate(FContext, -Font().Orientation() * std::numbers::pi / 1800.0);
    if (Brush().Style() != bsClear) {
        to_cairo_source(FContext, Brush().Color());
        cairo_rectangle(FContext, 0, 0, line.Width, m.Ascent + m.Descent);
        cairo_fill(FContext);
    }
    to_cairo_source(FContext, Font().Color());
    pango.Show(FContext, line, 0, m.Ascent);
    if (Font().Style().Contains(fsUnderline)) {
        cairo_rectangle(FContext, 0, m.Ascent + m.UnderlineOffset, line.Width,
                        m.UnderlineThickness);
        cairo_fill(FContext);
    }
    if (Font().Style().Contains(fsStrikeOut)) {
        cairo_rectangle(FContext, 0, m.Ascent - m.StrikeOffset, line.Width, m.StrikeThickness);
        cairo_fill(FContext);
    }
    EndDrawing();
}

} // namespace kw::platform
