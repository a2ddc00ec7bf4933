// SPDX-License-Identifier: MIT
// kwgfx render: path text drawn into a picture on the Cairo canvas: a PNG, or a PDF, SVG or
// PostScript document when the output file's extension names one.
//
// The text is SVG path data (--compat: the library's lenient path text). The fill is the
// library's FillSvgPath, so the program draws what a user of the library gets: all figures
// as one area under --fill-rule (nonzero by default, as in SVG; black unless --fill says
// otherwise), no outline, on SVG's pixel-edge grid, anti-aliased with --antialias. --fit
// scales the drawn geometry (tight bounds), keeping proportions, to fill the picture less a
// small margin. --stroke then outlines the same (fitted) figures with the canvas pen.

#include "CommandLine.h"
#include "PathLoading.h"
#include "PictureOutput.h"
#include "ToolArgs.h"
#include "ToolCommands.h"

#include <kwgfx/path/KwSvgFill.h>
#include <kwgfx/platform/graphics/Colors.h>

#include <algorithm>
#include <optional>
#include <string>

namespace kwtool {

namespace {

// The picture less a margin of a twentieth of its shorter side (at least a pixel), in SVG
// coordinates (pixel edges).
kw::TKwRect FitArea(kw::platform::TSize Size) {
    const float margin = float(std::max(1, std::min(Size.cx, Size.cy) / 20));
    return {margin, margin, std::max(margin, Size.cx - margin), std::max(margin, Size.cy - margin)};
}

} // namespace

int RunRender(TArgs Args) {
    TPathSource source;
    const TRenderOptions o = ReadRenderOptions(Args, source);

    kw::TKwPathData path;
    WarnAboutPathText(LoadPath(path, source.Read(), o.Compat));

    // A bitmap starts opaque white; a document page stays clear unless --background paints it.
    TPictureFile picture(FormatOfFileName(o.Output), o.Output, o.Size.cx, o.Size.cy, o.Antialias);
    kw::platform::TCairoCanvas& canvas = picture.Canvas();
    if (o.Background) {
        canvas.Brush().SetStyle(kw::platform::bsSolid);
        canvas.Brush().SetColor(*o.Background);
        canvas.FillRect({0, 0, o.Size.cx, o.Size.cy});
    }
    if (o.Fill) {
        kw::TKwSvgFillOptions fill;
        fill.Color = *o.Fill;
        fill.FillRule = o.FillRule;
        fill.Antialias = o.Antialias;
        if (o.Fit) fill.FitInto = FitArea(o.Size);
        kw::FillSvgPath(canvas, path, fill);
    }
    if (o.Stroke) {
        if (o.Fit) path.ApplyMatrix(kw::KwFitMatrix(path.GetTightBounds(), FitArea(o.Size)));
        // Outlines as polylines, so open figures stay open.
        canvas.Pen().SetStyle(kw::platform::psSolid);
        canvas.Pen().SetColor(*o.Stroke);
        canvas.Pen().SetWidth(o.StrokeWidth);
        path.DrawPath(canvas, 1);
    }
    picture.Save();
    return 0;
}

} // namespace kwtool
