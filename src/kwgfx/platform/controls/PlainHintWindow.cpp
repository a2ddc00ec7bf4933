// SPDX-License-Identifier: MIT
#include "kwgfx/platform/controls/PlainHintWindow.h"

#include "kwgfx/platform/graphics/DrawTextFlags.h"
#include "kwgfx/platform/windowing/Screen.h"

#include <algorithm>

namespace kw::platform {

namespace {

constexpr int32_t TextInset = 2;
constexpr int32_t ExtraWidth = 6;
constexpr int32_t ExtraHeight = 2;

// Shifts R left and up so that it ends inside the screen, without its top-left corner
// leaving the screen.
TRect KeptOnScreen(TRect R) {
    const TScreen& screen = Screen();
    const int32_t dx = std::min(R.Left, std::max(0, R.Right - screen.Width()));
    const int32_t dy = std::min(R.Top, std::max(0, R.Bottom - screen.Height()));
    if (dx > 0) {
        R.Left -= dx;
        R.Right -= dx;
    }
    if (dy > 0) {
        R.Top -= dy;
        R.Bottom -= dy;
    }
    return R;
}

} // namespace

THintWindow::THintWindow(TComponent* AOwner) : TCustomControl(AOwner) {
    SetColor(clInfoBk);
    Font().SetColor(clInfoText);
}

TRect THintWindow::CalcHintRect(int32_t MaxWidth, std::string_view AHint, const void*) {
    TCanvas& canvas = Canvas();
    canvas.SetFont(Font());
    TRect r(0, 0, MaxWidth, 0);
    canvas.DrawText(AHint, r,
                    DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX |
                        DrawTextBiDiModeFlagsReadingOnly());
    r.Right += ExtraWidth;
    r.Bottom += ExtraHeight;
    return r;
}

void THintWindow::ActivateHint(const TRect& Rect, std::string_view AHint) {
    TPaintBracket bracket(*this);
    SetCaption(AHint);
    SetBoundsRect(KeptOnScreen(Rect));
    ShowWindow(SW_SHOWNOACTIVATE);
    bracket.PaintOnClose();
    bracket.Close();
}

void THintWindow::Paint() {
    TRect r = GetClientRect();
    r.Left += TextInset;
    r.Top += TextInset;
    TCanvas& canvas = Canvas();
    canvas.SetFont(Font());
    canvas.DrawText(Caption(), r,
                    DT_LEFT | DT_WORDBREAK | DT_NOPREFIX | DrawTextBiDiModeFlagsReadingOnly());
}

void THintWindow::PaintWindow() {
    TCustomControl::PaintWindow();
    TCanvas& canvas = Canvas();
    canvas.Pen().SetColor(clWindowFrame);
    canvas.Pen().SetStyle(psSolid);
    canvas.Pen().SetWidth(1);
    canvas.Brush().SetStyle(bsClear);
    canvas.Rectangle(GetClientRect());
}

} // namespace kw::platform
