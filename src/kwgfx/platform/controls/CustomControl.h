// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// A control with a window of its own that paints itself.
///
/// The window ("handle") is created when it is first needed: when the control is shown or
/// its Handle is asked for. Until then the control is only data, and hiding it does
/// nothing. Painting is immediate: a shown control paints when it is shown and when
/// something it shows changes; a hidden one does not paint.
///
/// The control paints on its surface, a canvas the size of its client area that the
/// application makes on first use (TApplication::SetWindowSurfaceFactory). One paint fills
/// the client area with Color, then calls Paint. A surface that is a window on screen
/// (TWindowSurface::PaintsLater) turns "paint now" into a request the toolkit answers later.

#include "kwgfx/platform/controls/Control.h"
#include "kwgfx/platform/windowing/WindowSurface.h"

#include <cstdint>
#include <memory>

namespace kw::platform {

/// A window's identity; 0 means none.
using THandle = uintptr_t;

/// A control with a window of its own that paints itself; see the file's description.
class TCustomControl : public TControl {
public:
    /// A control owned by AOwner, without a window yet.
    explicit TCustomControl(TComponent* AOwner);
    ~TCustomControl() override;

    /// Whether the window exists.
    bool HandleAllocated() const { return FHandle != 0; }
    /// Creates the window if there is none.
    void HandleNeeded();
    /// The window, created if there is none.
    THandle Handle();
    /// Destroys the window (hiding it); a later HandleNeeded creates a new one.
    void DestroyHandle();

    /// Whether the window exists and is shown.
    bool IsWindowVisible() const { return FHandle != 0 && FShown; }
    /// SW_HIDE hides the window; the other commands show it, creating it if needed (SW_HIDE
    /// on a control without a window does nothing). Returns whether it was visible before.
    bool ShowWindow(int CmdShow);

    /// The surface's canvas, the surface being made on first use.
    ///@{
    TCanvas& Canvas();
    TWindowSurface& Surface();
    ///@}

    /// Paints now if the window is shown (later, inside a paint bracket).
    void Invalidate() override;
    /// How many times the control has painted.
    int PaintCount() const { return FPaintCount; }

protected:
    /// Draws the control's face on Canvas(); called after the background is filled.
    virtual void Paint() {}
    /// One whole paint: sizes the surface, fills the background, calls Paint.
    virtual void PaintWindow();
    /// Moves a shown window and paints it again.
    void BoundsChanged() override;

    /// Defers painting while open. Close paints once (if the window is shown) when anything
    /// was invalidated meanwhile or PaintOnClose was called; a bracket left without Close,
    /// by an exception, paints nothing.
    class TPaintBracket {
    public:
        /// Opens a bracket on Control.
        explicit TPaintBracket(TCustomControl& Control);
        ~TPaintBracket();
        TPaintBracket(const TPaintBracket&) = delete;
        TPaintBracket& operator=(const TPaintBracket&) = delete;
        /// Makes Close paint even when nothing was invalidated.
        void PaintOnClose() { FControl.FPaintPending = true; }
        /// Closes the bracket, painting once when it should (see the class).
        void Close();

    private:
        TCustomControl& FControl;
        bool FOpen = true;
    };

private:
    THandle FHandle = 0;
    bool FShown = false;
    int FPaintLock = 0;
    bool FPaintPending = false;
    int FPaintCount = 0;
    std::unique_ptr<TWindowSurface> FSurface;
};

} // namespace kw::platform
