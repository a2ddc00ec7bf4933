// SPDX-License-Identifier: MIT
// kwgfx render: path text drawn into a picture on the Cairo canvas: a PNG, or a PDF, SVG or
// PostScript document when the output file's extension names one.
//
// The text is SVG path data (--compat: the library's lenient path text). The fill is the
// library's FillSvgPath, so the program draws what a user of the library gets: all figures
// as one area under --fill-rule (nonzero by default, as in SVG; black unless --fill says
// otherwise), no outline, on SVG's pixel-edge grid, anti-aliased with --antialias. --fit
// scales the drawn geometry (tight bounds), keeping proportions, to fill the picture less a
// small margin. --op with --with first replaces the path by the boolean operation of its
// area and the second path's (KwCombinePaths, both under --fill-rule). --stroke then draws
// the stroke (--stroke-width, --join, --cap, --dash) by filling its outline
// (KwStrokeOutline) under nonzero winding; with --outline the outline replaces the path and
// is filled like any path (the --fill colour, else the stroke's; --fill-rule evenodd shows
// where its figures overlap).

#include "CommandLine.h"
#include "PathLoading.h"
#include "PictureOutput.h"
#include "ToolArgs.h"
#include "ToolCommands.h"

#include <kwgfx/path/KwPathBoolean.h>
#include <kwgfx/path/KwStrokeOutline.h>
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

// The second path of --op: its text given literally or as @file.
std::string WithText(const std::string& With) {
    TPathSource source;
    TArgScanner none({});
    if (!source.Take(With, none)) throw ToolError("--with takes path text or @file");
    return source.Read();
}

// Fills Path as SVG does (pixel edges, no pen) in Color under Rule.
void FillPath(kw::platform::TCanvas& Canvas, const kw::TKwPathData& Path, kw::TColor Color,
              kw::TKwFillMode Rule, bool Antialias) {
    kw::TKwSvgFillOptions fill;
    fill.Color = Color;
    fill.FillRule = Rule;
    fill.Antialias = Antialias;
    kw::FillSvgPath(Canvas, Path, fill);
}

} // namespace

int RunRender(TArgs Args) {
    TPathSource source;
    const TRenderOptions o = ReadRenderOptions(Args, source);

    kw::TKwPathData path;
    WarnAboutPathText(LoadPath(path, source.Read(), o.Compat));
    if (o.Op) {
        kw::TKwPathData with;
        WarnAboutPathText(LoadPath(with, WithText(o.With), o.Compat));
        path.SetFillMode(o.FillRule);
        with.SetFillMode(o.FillRule);
        kw::KwCombinePaths(path, with, *o.Op, path);
    }
    if (o.Fit) path.ApplyMatrix(kw::KwFitMatrix(path.GetTightBounds(), FitArea(o.Size)));

    kw::TKwStrokeStyle stroke;
    stroke.Width = o.StrokeWidth;
    stroke.Join = o.Join;
    stroke.Cap = o.Cap;
    stroke.Dashes = o.Dashes;

    // A bitmap starts opaque white; a document page stays clear unless --background paints it.
    TPictureFile picture(FormatOfFileName(o.Output), o.Output, o.Size.cx, o.Size.cy, o.Antialias);
    kw::platform::TCairoCanvas& canvas = picture.Canvas();
    if (o.Background) {
        canvas.Brush().SetStyle(kw::platform::bsSolid);
        canvas.Brush().SetColor(*o.Background);
        canvas.FillRect({0, 0, o.Size.cx, o.Size.cy});
    }
    if (o.Outline) {
        kw::KwStrokeOutline(path, stroke, path);
        const std::optional<kw::TColor> color = o.FillGiven ? o.Fill : o.Stroke;
        if (color) FillPath(canvas, path, *color, o.FillRule, o.Antialias);
    } else {
        if (o.Fill) FillPath(canvas, path, *o.Fill, o.FillRule, o.Antialias);
        if (o.Stroke) {
            kw::TKwPathData outline;
            kw::KwStrokeOutline(path, stroke, outline);
            FillPath(canvas, outline, *o.Stroke, kw::fmNonZero, o.Antialias);
        }
    }
    picture.Save();
    return 0;
}

} // namespace kwtool
