#include "kwgfx/platform/graphics/ScreenFont.h"

#include "kwgfx/platform/graphics/FixedTextModel.h"

namespace kw::platform {

namespace {
TCanvas* GScreenCanvas = nullptr;
} // namespace

void SetScreenCanvas(TCanvas* Canvas) {
    GScreenCanvas = Canvas;
}

TCanvas* ScreenCanvas() {
    return GScreenCanvas;
}

TTextMetric GetFontTextMetrics(const TFont& Font) {
    if (!GScreenCanvas) {
        return FixedTextModelMetrics(Font, false);
    }
    // Put the device's own font back even when the query throws.
    struct TFontRestorer {
        TCanvas& Canvas;
        TFont Saved;
        ~TFontRestorer() { Canvas.Font().Assign(Saved); }
    } restorer{*GScreenCanvas, GScreenCanvas->Font()};
    GScreenCanvas->Font().Assign(Font);
    return GScreenCanvas->GetTextMetrics();
}

} // namespace kw::platform
