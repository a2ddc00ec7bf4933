// SPDX-License-Identifier: MIT
// TCairoCanvas's simple text path: one face from fontconfig for every character, Cairo's own
// text calls (no shaping, no bidirectional order, no fallback); sizes from TFont.Height,
// drawing with background, underline and strike-out, rotation, measuring and text metrics.
// It is the canvas's text where Pango is not built in, and TCairoTextEngine::Simple.
//
// Measuring and glyph placement happen on the canvas's measuring context, an image surface
// in canvas pixels; the target only renders the glyphs at the places found there. A PDF
// page, whose device units are points, thus places text exactly where a bitmap does, and
// the text it holds can still be selected (the glyphs go with their characters).
#include "kwgfx/backends/cairo/CairoCanvas.h"
#include "kwgfx/backends/cairo/detail/CairoConvert.h"
#include "kwgfx/backends/cairo/detail/Utf8Repair.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

namespace kw::platform {

using namespace cairo_detail;

namespace {

struct TFaceMatch {
    cairo_font_face_t* Face = nullptr;
    bool Scalable = true;
};

TFaceMatch MatchFace(const std::string& Family, bool Bold, bool Italic) {
    TFaceMatch result;
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(Family.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, Bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, Italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult status = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &status);
    FcPatternDestroy(pattern);
    if (!match) {
        result.Face = cairo_toy_font_face_create(
            "sans-serif", Italic ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
            Bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
        return result;
    }
    FcBool scalable = FcTrue, outline = FcTrue;
    FcPatternGetBool(match, FC_SCALABLE, 0, &scalable);
    FcPatternGetBool(match, FC_OUTLINE, 0, &outline);
    result.Scalable = scalable && outline;
    result.Face = cairo_ft_font_face_create_for_pattern(match);
    FcPatternDestroy(match);
    return result;
}

int32_t RoundToInt(double V) {
    return static_cast<int32_t>(std::lround(V));
}

} // namespace

// Puts the face, options and size of the canvas font into the measuring context and the
// drawing context.
void TCairoCanvas::SelectFont() {
    const TFont& font = Font();
    TFontKey key{font.FaceName(), font.Style().Contains(fsBold), font.Style().Contains(fsItalic)};
    if (!FFace || !(key == FFaceKey)) {
        if (FFace) cairo_font_face_destroy(FFace);
        const TFaceMatch match = MatchFace(key.Face, key.Bold, key.Italic);
        FFace = match.Face;
        FFaceScalable = match.Scalable;
        FFaceKey = key;
    }
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, to_cairo_antialias(FAntialias));
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
    cairo_set_font_face(FMeasure, FFace);
    cairo_set_font_options(FMeasure, options);

    // Negative heights are the em size; positive ones the cell (ascent + descent).
    const int32_t height = font.Height();
    double em = height < 0 ? -double(height) : height > 0 ? height : 12.0;
    if (height > 0) {
        cairo_set_font_size(FMeasure, em);
        cairo_font_extents_t fe;
        cairo_font_extents(FMeasure, &fe);
        if (fe.ascent + fe.descent > 0) em = em * em / (fe.ascent + fe.descent);
    }
    cairo_set_font_size(FMeasure, em);

    cairo_set_font_face(FContext, FFace);
    cairo_set_font_options(FContext, options);
    cairo_set_font_size(FContext, em);
    cairo_font_options_destroy(options);
}

// Shows Text with its start at (0, Baseline) in the drawing context's user space, turned by
// Angle. The glyphs are placed by the measuring context turned the same way, from the start
// point as the drawing context holds it (Cairo keeps the current point in fixed-point
// device units), which on an image target gives the very places Cairo's own text call finds.
void TCairoCanvas::ShowGlyphs(const std::string& Text, double Baseline, double Angle) {
    double x = 0, y = Baseline;
    cairo_move_to(FContext, x, y);
    cairo_get_current_point(FContext, &x, &y);
    cairo_new_path(FContext);
    cairo_save(FMeasure);
    cairo_rotate(FMeasure, Angle);
    cairo_glyph_t* glyphs = nullptr;
    int glyphCount = 0;
    cairo_text_cluster_t* clusters = nullptr;
    int clusterCount = 0;
    cairo_text_cluster_flags_t flags{};
    const cairo_status_t status = cairo_scaled_font_text_to_glyphs(
        cairo_get_scaled_font(FMeasure), x, y, Text.data(), int(Text.size()), &glyphs, &glyphCount,
        &clusters, &clusterCount, &flags);
    cairo_restore(FMeasure);
    if (status == CAIRO_STATUS_SUCCESS && glyphCount > 0)
        cairo_show_text_glyphs(FContext, Text.data(), int(Text.size()), glyphs, glyphCount,
                               clusters, clusterCount, flags);
    cairo_glyph_free(glyphs);
    cairo_text_cluster_free(clusters);
}

TSize TCairoCanvas::SimpleTextExtent(std::string_view Text) {
    BeginDrawing();
    SelectFont();
    cairo_font_extents_t fe;
    cairo_font_extents(FMeasure, &fe);
    cairo_text_extents_t te{};
    const std::string text = RepairUtf8(Text);
    if (!text.empty()) cairo_text_extents(FMeasure, text.c_str(), &te);
    EndDrawing();
    return {RoundToInt(te.x_advance), RoundToInt(fe.ascent) + RoundToInt(fe.descent)};
}

TTextMetric TCairoCanvas::SimpleTextMetrics() {
    BeginDrawing();
    SelectFont();
    cairo_font_extents_t fe;
    cairo_font_extents(FMeasure, &fe);
    cairo_matrix_t size;
    cairo_get_font_matrix(FMeasure, &size);
    cairo_text_extents_t te{};
    cairo_text_extents(FMeasure, "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ", &te);
    cairo_text_extents_t narrow{}, wide{};
    cairo_text_extents(FMeasure, "i", &narrow);
    cairo_text_extents(FMeasure, "W", &wide);
    EndDrawing();

    const TFont& font = Font();
    TTextMetric tm;
    tm.tmAscent = RoundToInt(fe.ascent);
    tm.tmDescent = RoundToInt(fe.descent);
    tm.tmHeight = tm.tmAscent + tm.tmDescent;
    tm.tmInternalLeading = std::max(0, tm.tmHeight - RoundToInt(size.yy));
    tm.tmExternalLeading = std::max(0, RoundToInt(fe.height) - tm.tmHeight);
    tm.tmAveCharWidth = RoundToInt(te.x_advance / 52);
    tm.tmMaxCharWidth = RoundToInt(fe.max_x_advance);
    tm.tmWeight = font.Style().Contains(fsBold) ? FW_BOLD : FW_NORMAL;
    tm.tmItalic = font.Style().Contains(fsItalic);
    tm.tmUnderlined = font.Style().Contains(fsUnderline);
    tm.tmStruckOut = font.Style().Contains(fsStrikeOut);
    tm.tmCharSet = font.Charset();
    // The historical "fixed pitch" bit is set for variable-pitch faces.
    if (RoundToInt(narrow.x_advance) != RoundToInt(wide.x_advance))
        tm.tmPitchAndFamily |= TMPF_FIXED_PITCH;
    if (FFaceScalable) tm.tmPitchAndFamily |= TMPF_TRUETYPE | TMPF_VECTOR;
    return tm;
}

void TCairoCanvas::SimpleTextAt(int32_t X, int32_t Y, std::string_view Text, const TRect* Clip) {
    const std::string text = RepairUtf8(Text);
    BeginDrawing();
    if (Clip) {
        cairo_rectangle(FContext, Clip->Left, Clip->Top, Clip->Width(), Clip->Height());
        cairo_clip(FContext);
    }
    SelectFont();
    cairo_font_extents_t fe;
    cairo_font_extents(FMeasure, &fe);
    cairo_text_extents_t te{};
    if (!text.empty()) cairo_text_extents(FMeasure, text.c_str(), &te);
    const int32_t ascent = RoundToInt(fe.ascent), descent = RoundToInt(fe.descent);
    const int32_t width = RoundToInt(te.x_advance);
    cairo_matrix_t size;
    cairo_get_font_matrix(FMeasure, &size);
    const double em = size.yy;

    // The text turns counter-clockwise (on screen) around its top-left corner.
    const double angle = -Font().Orientation() * std::numbers::pi / 1800.0;
    cairo_translate(FContext, X, Y);
    cairo_rotate(FContext, angle);
    if (Brush().Style() != bsClear) {
        to_cairo_source(FContext, Brush().Color());
        cairo_rectangle(FContext, 0, 0, width, ascent + descent);
        cairo_fill(FContext);
    }
    to_cairo_source(FContext, Font().Color());
    if (!text.empty()) ShowGlyphs(text, ascent, angle);
    const int32_t thickness = std::max(1, RoundToInt(em / 14));
    if (Font().Style().Contains(fsUnderline)) {
        cairo_rectangle(FContext, 0, ascent + std::max(1, RoundToInt(descent / 2.0)), width,
                        thickness);
        cairo_fill(FContext);
    }
    if (Font().Style().Contains(fsStrikeOut)) {
        cairo_rectangle(FContext, 0, ascent - RoundToInt(ascent * 0.3), width, thickness);
        cairo_fill(FContext);
    }
    EndDrawing();
}

} // namespace kw::platform
