#pragma once
/// \file
/// Scoped savers of canvas pen and brush values. Drawing routines change the caller's pen
/// and brush while they paint; these put the values back when the routine leaves, also
/// when a canvas call throws.

#include "kwgfx/platform/graphics/Canvas.h"

namespace kw::detail {

/// Saves the whole pen (colour, style, width) and puts it back on destruction.
class TPenSaver {
public:
    explicit TPenSaver(platform::TCanvas& Canvas) : FCanvas(Canvas) { FSaved.Assign(Canvas.Pen()); }
    TPenSaver(const TPenSaver&) = delete;
    TPenSaver& operator=(const TPenSaver&) = delete;
    ~TPenSaver() { Restore(); }
    /// Puts the saved values back now (again on destruction, which changes nothing more).
    void Restore() { FCanvas.Pen().Assign(FSaved); }

private:
    platform::TCanvas& FCanvas;
    platform::TPen FSaved;
};

/// Saves the whole brush (colour and style) and puts it back on destruction.
class TBrushSaver {
public:
    explicit TBrushSaver(platform::TCanvas& Canvas) : FCanvas(Canvas) {
        FSaved.Assign(Canvas.Brush());
    }
    TBrushSaver(const TBrushSaver&) = delete;
    TBrushSaver& operator=(const TBrushSaver&) = delete;
    ~TBrushSaver() { Restore(); }
    void Restore() { FCanvas.Brush().Assign(FSaved); }

private:
    platform::TCanvas& FCanvas;
    platform::TBrush FSaved;
};

} // namespace kw::detail
