// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The default window surface: a recording canvas, so painting leaves a record and no
/// pixels. Programs that want pictures give the application another surface factory.

#include "kwgfx/platform/graphics/RecordingCanvas.h"
#include "kwgfx/platform/windowing/WindowSurface.h"

namespace kw::platform {

/// A window surface that records the painting; see the file's description.
class TRecordingWindowSurface final : public TWindowSurface {
public:
    TCanvas& Canvas() override { return FCanvas; }
    /// The recording canvas, with its record of calls.
    TRecordingCanvas& Recording() { return FCanvas; }
    void SetSize(int32_t Width, int32_t Height) override {
        FWidth = Width;
        FHeight = Height;
    }
    /// The size last set.
    ///@{
    int32_t Width() const { return FWidth; }
    int32_t Height() const { return FHeight; }
    ///@}

private:
    TRecordingCanvas FCanvas;
    int32_t FWidth = 0;
    int32_t FHeight = 0;
};

} // namespace kw::platform
