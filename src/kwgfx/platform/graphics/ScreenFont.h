// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Font questions asked without a canvas at hand (what face a font object really gets, and
/// its text metrics) go to the screen device: a canvas that the host registers once, such
/// as the raster canvas of its main window or of an off-screen bitmap. Only the
/// user-interface thread registers it and asks it; canvases on other threads may come and go
/// meanwhile (KwThreads.h).

#include "kwgfx/platform/graphics/Canvas.h"
#include "kwgfx/platform/graphics/Font.h"
#include "kwgfx/platform/graphics/FontRecords.h"

namespace kw::platform {

/// Registers the screen device (null unregisters it); the caller keeps ownership. A canvas
/// that is destroyed while registered unregisters itself.
///@{
void SetScreenCanvas(TCanvas* Canvas);
TCanvas* ScreenCanvas();
///@}
/// Unregisters Canvas if it is the screen device; what a canvas does when it is destroyed.
void ForgetScreenCanvas(TCanvas* Canvas);

/// The text metrics of the face that Font selects on the screen device. The device's font
/// is set to Font for the query and put back afterwards. Without a registered device the
/// fixed text model answers (FixedTextModel.h): every face counts as a scalable outline
/// face.
TTextMetric GetFontTextMetrics(const TFont& Font);

} // namespace kw::platform
