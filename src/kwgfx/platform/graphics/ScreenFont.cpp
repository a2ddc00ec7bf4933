// SPDX-License-Identifier: MIT
#include "kwgfx/platform/graphics/ScreenFont.h"

#include "kwgfx/platform/graphics/FixedTextModel.h"

#include <atomic>

namespace kw::platform {

namespace {
// Atomic because every canvas reads it when it is destroyed, on whatever thread that is.
std::atomic<TCanvas*> GScreenCanvas = nullptr;
} // namespace

void SetScreenCanvas(TCanvas* Canvas) {
    GScreenCanvas.store(Canvas);
}

TCanvas* ScreenCanvas() {
    return GScreenCanvas.load();
}

void ForgetScreenCanvas(TCanvas* Canvas) {
    GScreenCanvas.compare_exchange_strong(Canvas, nullptr);
}

TTextMetric GetFontTextMetrics(const TFont& Font) {
    TCanvas* const screen = GScreenCanvas.load();
    if (!screen) {
        return FixedTextModelMetrics(Font, false);
    }
    // Put the device's own font back even when the query throws.
    struct TFontRestorer {
        TCanvas& Canvas;
        TFont Saved;
        ~TFontRestorer() { Canvas.Font().Assign(Saved); }
    } restorer{*screen, screen->Font()};
    screen->Font().Assign(Font);
    return screen->GetTextMetrics();
}

} // namespace kw::platform
