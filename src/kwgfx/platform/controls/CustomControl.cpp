// SPDX-License-Identifier: MIT
#include "kwgfx/platform/controls/CustomControl.h"

#include "kwgfx/platform/windowing/Application.h"

#include <atomic>

namespace kw::platform {

namespace {

THandle NewHandle() {
    static std::atomic<THandle> next{1};
    return next++;
}

} // namespace

TCustomControl::TCustomControl(TComponent* AOwner) : TControl(AOwner) {}

TCustomControl::~TCustomControl() = default;

void TCustomControl::HandleNeeded() {
    if (FHandle == 0) FHandle = NewHandle();
}

THandle TCustomControl::Handle() {
    HandleNeeded();
    return FHandle;
}

void TCustomControl::DestroyHandle() {
    if (FShown && FSurface) FSurface->Hide();
    FHandle = 0;
    FShown = false;
}

bool TCustomControl::ShowWindow(int CmdShow) {
    const bool wasVisible = IsWindowVisible();
    if (CmdShow == SW_HIDE) {
        if (wasVisible) Surface().Hide();
        FShown = false;
        return wasVisible;
    }
    HandleNeeded();
    FShown = true;
    if (!wasVisible) Surface().Show(BoundsRect());
    if (!wasVisible) Invalidate();
    return wasVisible;
}

TWindowSurface& TCustomControl::Surface() {
    if (!FSurface) {
        FSurface = Application().CreateWindowSurface();
        // The surface dies with the control, so it never calls a control that is gone.
        FSurface->SetPaintHandler([this] {
            ++FPaintCount;
            PaintWindow();
        });
    }
    return *FSurface;
}

TCanvas& TCustomControl::Canvas() {
    return Surface().Canvas();
}

void TCustomControl::Invalidate() {
    if (!IsWindowVisible()) return;
    if (FPaintLock > 0) {
        FPaintPending = true;
        return;
    }
    if (Surface().PaintsLater()) {
        Surface().QueuePaint();
        return;
    }
    ++FPaintCount;
    PaintWindow();
}

void TCustomControl::BoundsChanged() {
    if (IsWindowVisible()) Surface().Show(BoundsRect());
    Invalidate();
}

void TCustomControl::PaintWindow() {
    const TRect client = GetClientRect();
    TWindowSurface& surface = Surface();
    surface.SetSize(client.Width(), client.Height());
    TCanvas& canvas = surface.Canvas();
    canvas.Brush().SetColor(Color());
    canvas.Brush().SetStyle(bsSolid);
    canvas.FillRect(client);
    Paint();
}

TCustomControl::TPaintBracket::TPaintBracket(TCustomControl& Control) : FControl(Control) {
    ++FControl.FPaintLock;
}

TCustomControl::TPaintBracket::~TPaintBracket() {
    if (!FOpen) return;
    if (--FControl.FPaintLock == 0) FControl.FPaintPending = false;
}

void TCustomControl::TPaintBracket::Close() {
    if (!FOpen) return;
    FOpen = false;
    if (--FControl.FPaintLock > 0 || !FControl.FPaintPending) return;
    FControl.FPaintPending = false;
    FControl.Invalidate();
}

} // namespace kw::platform
