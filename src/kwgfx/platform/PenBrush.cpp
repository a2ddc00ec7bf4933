// Setters and assignment of TPen and TBrush: a change notification fires only when a
// value really changes, so observers are not woken by no-op writes.
#include "kwgfx/platform/Brush.h"
#include "kwgfx/platform/Pen.h"

namespace kw::platform {

void TPen::SetColor(TColor Value) {
    if (FColor == Value) return;
    FColor = Value;
    Changed();
}

void TPen::SetStyle(TPenStyle Value) {
    if (FStyle == Value) return;
    FStyle = Value;
    Changed();
}

void TPen::SetWidth(int32_t Value) {
    if (FWidth == Value) return;
    FWidth = Value;
    Changed();
}

void TPen::Assign(const TPersistent& Source) {
    const auto* pen = dynamic_cast<const TPen*>(&Source);
    if (!pen) {
        TPersistent::Assign(Source);
        return;
    }
    if (FColor == pen->FColor && FStyle == pen->FStyle && FWidth == pen->FWidth) return;
    FColor = pen->FColor;
    FStyle = pen->FStyle;
    FWidth = pen->FWidth;
    Changed();
}

void TPen::Changed() {
    if (OnChange) OnChange(this);
}

void TBrush::SetColor(TColor Value) {
    if (FColor == Value) return;
    FColor = Value;
    Changed();
}

void TBrush::SetStyle(TBrushStyle Value) {
    if (FStyle == Value) return;
    FStyle = Value;
    Changed();
}

void TBrush::Assign(const TPersistent& Source) {
    const auto* brush = dynamic_cast<const TBrush*>(&Source);
    if (!brush) {
        TPersistent::Assign(Source);
        return;
    }
    if (FColor == brush->FColor && FStyle == brush->FStyle) return;
    FColor = brush->FColor;
    FStyle = brush->FStyle;
    Changed();
}

void TBrush::Changed() {
    if (OnChange) OnChange(this);
}

} // namespace kw::platform
