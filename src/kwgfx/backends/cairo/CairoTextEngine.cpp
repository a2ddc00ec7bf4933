// SPDX-License-Identifier: MIT
// TCairoCanvas's text entry points: each goes to the Pango path (CairoPangoText.cpp) or to
// the simple one (CairoText.cpp), as the canvas's text engine says.
#include "kwgfx/backends/cairo/CairoCanvas.h"

#if KWGFX_HAVE_PANGO
#include "kwgfx/backends/cairo/detail/PangoText.h"
#endif

#include <utility>

namespace kw::platform {

namespace cairo_detail {

void TPangoTextDeleter::operator()(TPangoText* Text) const {
#if KWGFX_HAVE_PANGO
    const auto lock = LockPango();
    delete Text;
#else
    (void)Text;
#endif
}

} // namespace cairo_detail

bool TCairoCanvas::HasPango() {
    return KWGFX_HAVE_PANGO != 0;
}

TSize TCairoCanvas::DoTextExtent(std::string_view Text) {
#if KWGFX_HAVE_PANGO
    if (UsePango()) {
        const auto lock = cairo_detail::LockPango();
        cairo_detail::TPangoText& pango = Pango();
        pango.Select(Font(), FAntialias, FDrawTextFlags);
        const int32_t width = pango.Width(Text);
        return {width, pango.Metrics().Ascent + pango.Metrics().Descent};
    }
#endif
    return SimpleTextExtent(Text);
}

TTextMetric TCairoCanvas::DoGetTextMetrics() {
#if KWGFX_HAVE_PANGO
    if (UsePango()) {
        const auto lock = cairo_detail::LockPango();
        cairo_detail::TPangoText& pango = Pango();
        pango.Select(Font(), FAntialias, FDrawTextFlags);
        return pango.TextMetrics(Font());
    }
#endif
    return SimpleTextMetrics();
}

void TCairoCanvas::DoTextOut(int32_t X, int32_t Y, std::string_view Text) {
    DoTextLine(X, Y, Text, nullptr);
}

void TCairoCanvas::DoTextLine(int32_t X, int32_t Y, std::string_view Text, const TRect* Clip) {
#if KWGFX_HAVE_PANGO
    if (UsePango()) return PangoTextAt(X, Y, Text, Clip);
#endif
    SimpleTextAt(X, Y, Text, Clip);
}

// The flags reach the measuring and drawing of every line (tab stops, reading order).
int32_t TCairoCanvas::DoDrawText(std::string_view Text, TRect& Rect, uint32_t Flags) {
    struct TRestore {
        uint32_t& Field;
        uint32_t Old;
        ~TRestore() { Field = Old; }
    } restore{FDrawTextFlags, std::exchange(FDrawTextFlags, Flags)};
    return TCanvas::DoDrawText(Text, Rect, Flags);
}

void TCairoCanvas::DoWrapParagraph(std::string_view Paragraph, int32_t MaxWidth,
                                   std::vector<std::string>& Lines) {
#if KWGFX_HAVE_PANGO
    if (UsePango()) {
        const auto lock = cairo_detail::LockPango();
        cairo_detail::TPangoText& pango = Pango();
        pango.Select(Font(), FAntialias, FDrawTextFlags);
        return pango.Wrap(Paragraph, MaxWidth, Lines);
    }
#endif
    TCanvas::DoWrapParagraph(Paragraph, MaxWidth, Lines);
}

} // namespace kw::platform
