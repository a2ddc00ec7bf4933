// SPDX-License-Identifier: MIT
// Canvas text in a GTK window: what the canvas draws there is what it draws on a bitmap, and
// it matches a GtkLabel showing the same text in the same font (GTK lays text out with Pango
// too) and rendering options: the same glyphs at the same places, pixel for pixel but for
// rounding. Run under xvfb-run with GSK_RENDERER=cairo; without a display every test skips.
#include "../cairo/TextOracles.h"
#include "kwgfx/backends/cairo/Bitmap.h"
#include "kwgfx/backends/cairo/CairoCanvas.h"
#include "kwgfx/backends/gtk/GtkPlatform.h"

#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <string>

using namespace kw::platform;
namespace kg = kw::platform::gtk;

namespace {

constexpr int kPixels = 48;
const char* const kLines[] = {"abc שלום 123 def", "مرحبا بالعالم", "नमस्ते दुनिया 你好，世界",
                              "office Привет Γειά"};

void PaintLine(TCanvas& C, const std::string& Line, int32_t W, int32_t H) {
    C.SetAntialias(true);
    C.Brush().SetColor(clWhite);
    C.FillRect(TRect(0, 0, W, H));
    C.Brush().SetStyle(bsClear);
    C.Font().SetName("DejaVu Sans");
    C.Font().SetHeight(-kPixels);
    C.Font().SetColor(clBlack);
    C.TextOut(4, 4, Line);
}

// Deprecated since GTK 4.16 (for GtkSettings' rendering mode); older versions have only this.
void SetFontOptions(GtkWidget* Widget, const cairo_font_options_t* Options) {
    // clang-format off
    G_GNUC_BEGIN_IGNORE_DEPRECATIONS
    gtk_widget_set_font_options(Widget, Options);
    G_GNUC_END_IGNORE_DEPRECATIONS
    // clang-format on
}

} // namespace

TEST(GtkText, CanvasTextMatchesTheBitmapAndAGtkLabel) {
    if (!TCairoCanvas::HasPango()) GTEST_SKIP() << "needs Pango";
    std::string error;
    if (!kg::InitPlatform(&error)) GTEST_SKIP() << "no display: " << error;
    constexpr int W = 1000, H = 2 * kPixels;
    for (const char* line : kLines) {
        SCOPED_TRACE(line);
        GtkWidget* box = gtk_box_new(GTK_ORIENTATION_VERTICAL, 0);
        GtkWidget* area = kg::NewCanvasArea(
            [line](TCanvas& C, int32_t Wd, int32_t Ht) { PaintLine(C, line, Wd, Ht); });
        gtk_widget_set_size_request(area, W, H);
        GtkWidget* label = gtk_label_new(line);
        PangoAttrList* attrs = pango_attr_list_new();
        PangoFontDescription* desc = pango_font_description_from_string("DejaVu Sans");
        pango_font_description_set_absolute_size(desc, kPixels * PANGO_SCALE);
        pango_attr_list_insert(attrs, pango_attr_font_desc_new(desc));
        gtk_label_set_attributes(GTK_LABEL(label), attrs);
        pango_attr_list_unref(attrs);
        pango_font_description_free(desc);
        gtk_label_set_xalign(GTK_LABEL(label), 0);
        // The label renders as GTK renders text by default (since 4.16; older versions take
        // hinting and rounding from their settings, which a bare X server leaves at medium
        // hinting and whole-pixel glyph positions) and as the canvas renders smooth text.
        cairo_font_options_t* options = cairo_font_options_create();
        cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
        cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
        cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
        SetFontOptions(label, options);
        cairo_font_options_destroy(options);
        pango_context_set_round_glyph_positions(gtk_widget_get_pango_context(label), FALSE);
        gtk_box_append(GTK_BOX(box), area);
        gtk_box_append(GTK_BOX(box), label);
        GtkWindow* window = GTK_WINDOW(gtk_window_new());
        gtk_window_set_child(window, box);
        gtk_window_present(window);
        TBitmap shown, labelShown;
        ASSERT_TRUE(kg::IterateUntil(
            [&] {
                return gtk_widget_get_width(area) == W && kg::SnapshotWidget(area, shown) &&
                       kg::SnapshotWidget(label, labelShown);
            },
            5000));
        TBitmap expected(W, H);
        PaintLine(expected.Canvas(), line, W, H);
        const kwtest::TInkMask canvas = kwtest::InkMask(shown);
        EXPECT_EQ(kwtest::InkIoU(canvas, kwtest::InkMask(expected)), 1.0);
        const kwtest::TInkMask gtkInk = kwtest::InkMask(labelShown);
        EXPECT_NEAR(canvas.Width, gtkInk.Width, 1);
        EXPECT_GE(kwtest::InkIoU(canvas, gtkInk), 0.95);
        gtk_window_destroy(window);
    }
}
