// SPDX-License-Identifier: MIT
// Setters and assignment of TPen and TBrush: a change notification fires only when a
// value really changes, so observers are not woken by no-op writes.
#include "kwgfx/platform/graphics/Brush.h"
#include "kwgfx/platform/graphics/Pen.h"

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

TPublishedProperties TPen::GetPublishedProperties() {
    TPublishedProperties props = TPersistent::GetPublishedProperties();
    props.push_back(TPublishedProperty::Integer(
        "Color", [this] { return Color(); }, [this](int32_t V) { SetColor(V); }, clBlack));
    props.push_back(TPublishedProperty::Enumeration<TPenStyle>(
        "Style",
        {"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame"},
        [this] { return Style(); }, [this](TPenStyle V) { SetStyle(V); }, psSolid));
    props.push_back(TPublishedProperty::Integer(
        "Width", [this] { return Width(); }, [this](int32_t V) { SetWidth(V); }, 1));
    return props;
}

TPublishedProperties TBrush::GetPublishedProperties() {
    TPublishedProperties props = TPersistent::GetPublishedProperties();
    props.push_back(TPublishedProperty::Integer(
        "Color", [this] { return Color(); }, [this](int32_t V) { SetColor(V); }, clWhite));
    props.push_back(TPublishedProperty::Enumeration<TBrushStyle>(
        "Style",
        {"bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal", "bsBDiagonal",
         "bsCross", "bsDiagCross"},
        [this] { return Style(); }, [this](TBrushStyle V) { SetStyle(V); }, bsSolid));
    return props;
}

} // namespace kw::platform
