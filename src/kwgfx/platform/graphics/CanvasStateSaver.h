// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Scoped savers of canvas state: the pen, the brush and the anti-aliasing. Drawing
/// routines change the caller's canvas while they paint; a saver puts the value back when
/// the routine leaves, also when a canvas call throws. Restoring assigns the saved values
/// back (TCanvas::SetPen and SetBrush do the same).

#include "kwgfx/platform/graphics/Brush.h"
#include "kwgfx/platform/graphics/Canvas.h"
#include "kwgfx/platform/graphics/Pen.h"

namespace kw::platform {

/// Saves one of the canvas's drawing objects, Part (its pen or its brush), whole and puts
/// it back on destruction.
template <typename TPart, TPart& (TCanvas::*Part)()>
class TCanvasPartSaver {
public:
    /// Saves the part of Canvas; Canvas must outlive the saver.
    explicit TCanvasPartSaver(TCanvas& Canvas) : FCanvas(Canvas) {
        FSaved.Assign((Canvas.*Part)());
    }
    TCanvasPartSaver(const TCanvasPartSaver&) = delete;
    TCanvasPartSaver& operator=(const TCanvasPartSaver&) = delete;
    /// Puts the saved part back.
    ~TCanvasPartSaver() { Restore(); }
    /// Puts the saved values back now (again on destruction, which changes nothing more).
    void Restore() { (FCanvas.*Part)().Assign(FSaved); }

private:
    TCanvas& FCanvas;
    TPart FSaved;
};

/// Saves the whole pen (colour, style, width) and puts it back on destruction.
using TPenSaver = TCanvasPartSaver<TPen, &TCanvas::Pen>;
/// Saves the whole brush (colour and style) and puts it back on destruction.
using TBrushSaver = TCanvasPartSaver<TBrush, &TCanvas::Brush>;

/// Saves whether the canvas smooths edges (TCanvas::Antialias) and puts it back on
/// destruction.
class TAntialiasSaver {
public:
    /// Saves Canvas's anti-aliasing; Canvas must outlive the saver.
    explicit TAntialiasSaver(TCanvas& Canvas) : FCanvas(Canvas), FSaved(Canvas.Antialias()) {}
    TAntialiasSaver(const TAntialiasSaver&) = delete;
    TAntialiasSaver& operator=(const TAntialiasSaver&) = delete;
    /// Puts the saved setting back.
    ~TAntialiasSaver() { FCanvas.SetAntialias(FSaved); }

private:
    TCanvas& FCanvas;
    bool FSaved;
};

} // namespace kw::platform
