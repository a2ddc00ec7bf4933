// kwgfx render: path text drawn into a PNG picture on the Cairo canvas.
//
// The text is SVG path data (--compat: the library's lenient path text). The path is
// filled as one area under --fill-rule (nonzero by default, as in SVG; black unless
// --fill says otherwise) at sub-pixel precision with no outline, then outlined with --stroke
// when given; --fit first scales its drawn geometry (tight bounds), keeping proportions,
// to fill the picture less a small margin.

#include "CommandLine.h"
#include "PathLoading.h"

#include <kwgfx/geometry/KwMatrix.h>
#include <kwgfx/path/KwPathAreaFill.h>
#include <kwgfx/platform/graphics/Colors.h>
#include <kwgfx/platform/graphics/cairo/Bitmap.h>

#include <algorithm>
#include <optional>
#include <string>

namespace kwtool {

namespace {

// Scales and centres the path's drawn geometry into the picture, keeping proportions.
void FitToPicture(kw::TKwPathData& Path, kw::platform::TSize Size) {
    const kw::TKwRect b = Path.GetTightBounds();
    const double bw = double(b.Right) - b.Left;
    const double bh = double(b.Bottom) - b.Top;
    if (bw <= 0 && bh <= 0) return; // nothing drawn, or a single point
    // Points name pixels: the last column is Width - 1.
    const double margin = std::max(1, std::min(Size.cx, Size.cy) / 20);
    const double availW = std::max(1.0, Size.cx - 1 - 2 * margin);
    const double availH = std::max(1.0, Size.cy - 1 - 2 * margin);
    double scale = 0;
    if (bw > 0 && bh > 0)
        scale = std::min(availW / bw, availH / bh);
    else
        scale = bw > 0 ? availW / bw : availH / bh;
    const double dx = margin + (availW - bw * scale) / 2 - b.Left * scale;
    const double dy = margin + (availH - bh * scale) / 2 - b.Top * scale;
    Path.ApplyMatrix(kw::KwMatrixMultiply(kw::CreateScaleKwMatrix(float(scale), float(scale)),
                                          kw::CreateTranslateKwMatrix(float(dx), float(dy))));
}

} // namespace

int RunRender(TArgs Args) {
    TPathSource source;
    const TRenderOptions o = ReadRenderOptions(Args, source);

    kw::TKwPathData path;
    WarnAboutPathText(LoadPath(path, source.Read(), o.Compat));
    if (o.Fit) FitToPicture(path, o.Size);

    kw::platform::TBitmap picture(o.Size.cx, o.Size.cy); // opaque white
    kw::platform::TCairoCanvas& canvas = picture.Canvas();
    canvas.SetAntialias(o.Antialias);
    if (o.Background) {
        canvas.Brush().SetStyle(kw::platform::bsSolid);
        canvas.Brush().SetColor(*o.Background);
        canvas.FillRect({0, 0, o.Size.cx, o.Size.cy});
    }
    if (o.Fill) {
        canvas.Pen().SetStyle(kw::platform::psClear);
        canvas.Brush().SetStyle(kw::platform::bsSolid);
        canvas.Brush().SetColor(*o.Fill);
        // All figures as one area, so inner figures cut holes as in an SVG renderer.
        path.SetFillMode(o.FillRule);
        kw::FillPathArea(canvas, path);
    }
    if (o.Stroke) {
        // Outlines as polylines, so open figures stay open.
        canvas.Pen().SetStyle(kw::platform::psSolid);
        canvas.Pen().SetColor(*o.Stroke);
        canvas.Pen().SetWidth(o.StrokeWidth);
        path.DrawPath(canvas, 1);
    }
    picture.SaveToFile(o.Output);
    return 0;
}

} // namespace kwtool
