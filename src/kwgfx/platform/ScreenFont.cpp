#include "kwgfx/platform/ScreenFont.h"

#include "kwgfx/platform/RecordingCanvas.h"

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
        TRecordingCanvas model;
        model.Font().Assign(Font);
        return model.GetTextMetrics();
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
