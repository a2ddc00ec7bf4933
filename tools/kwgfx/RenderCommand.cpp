// kwgfx render: path text drawn into a picture on the Cairo canvas: a PNG, or a PDF, SVG or
// PostScript document when the output file's extension names one.
//
// The text is SVG path data (--compat: the library's lenient path text). The path is
// filled as one area under --fill-rule (nonzero by default, as in SVG; black unless
// --fill says otherwise) at sub-pixel precision with no outline, then outlined with --stroke
// when given; --fit first scales its drawn geometry (tight bounds), keeping proportions,
// to fill the picture less a small margin.

#include "PathLoading.h"
#include "ToolArgs.h"
#include "ToolCommands.h"

#include <kwgfx/geometry/KwMatrix.h>
#include <kwgfx/path/KwPathAreaFill.h>
#include <kwgfx/platform/graphics/Colors.h>
#if KWGFX_HAVE_CAIRO
#include "PictureOutput.h"
#endif

#include <algorithm>
#include <optional>
#include <string>

namespace kwtool {

#if KWGFX_HAVE_CAIRO
namespace {

struct TRenderOptions {
    std::string Output;
    kw::platform::TSize Size{256, 256};
    bool Fit = false;
    bool Compat = false;
    bool Antialias = false;
    std::optional<kw::platform::TColor> Fill;
    std::optional<kw::platform::TColor> Stroke;
    std::optional<kw::platform::TColor> Background;
    // SVG's default rule; holes drawn by inner figures stay open under either rule when
    // the icon was made for it.
    kw::TKwFillMode FillRule = kw::fmNonZero;
    bool FillGiven = false;
    bool StrokeGiven = false;
    int StrokeWidth = 1;
};

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

TRenderOptions ReadOptions(TArgScanner& Scanner, TPathSource& Source) {
    TRenderOptions o;
    while (!Scanner.AtEnd()) {
        const std::string_view arg = Scanner.Next();
        if (arg == "-o" || arg == "--output") {
            o.Output = std::string(Scanner.ValueOf(arg));
        } else if (arg == "--size") {
            o.Size = ParseSize(Scanner.ValueOf(arg));
        } else if (arg == "--fit") {
            o.Fit = true;
        } else if (arg == "--compat") {
            o.Compat = true;
        } else if (arg == "--antialias") {
            o.Antialias = true;
        } else if (arg == "--fill") {
            o.Fill = ParseColor(Scanner.ValueOf(arg));
            o.FillGiven = true;
        } else if (arg == "--stroke") {
            o.Stroke = ParseColor(Scanner.ValueOf(arg));
            o.StrokeGiven = true;
        } else if (arg == "--stroke-width") {
            o.StrokeWidth = ParseInt(arg, Scanner.ValueOf(arg), 1, 1000);
        } else if (arg == "--fill-rule") {
            const std::string_view rule = Scanner.ValueOf(arg);
            if (rule == "nonzero")
                o.FillRule = kw::fmNonZero;
            else if (rule == "evenodd")
                o.FillRule = kw::fmEvenOdd;
            else
                throw ToolError("unknown fill rule '" + std::string(rule) +
                                "' (nonzero or evenodd)");
        } else if (arg == "--background") {
            o.Background = ParseColor(Scanner.ValueOf(arg));
        } else if (!Source.Take(arg, Scanner)) {
            throw ToolError("unknown option '" + std::string(arg) + "'");
        }
    }
    if (o.Output.empty()) throw ToolError("no output file given (-o out.png)");
    // With no colour given at all, the path is filled black.
    if (!o.FillGiven && !o.StrokeGiven) o.Fill = kw::platform::clBlack;
    return o;
}

} // namespace

int RunRender(TArgs Args) {
    TArgScanner scanner(Args);
    TPathSource source;
    const TRenderOptions o = ReadOptions(scanner, source);

    kw::TKwPathData path;
    WarnAboutPathText(LoadPath(path, source.Read(), o.Compat));
    if (o.Fit) FitToPicture(path, o.Size);

    // A bitmap starts opaque white; a document page stays clear unless --background paints it.
    TPictureFile picture(FormatOfFileName(o.Output), o.Output, o.Size.cx, o.Size.cy, o.Antialias);
    kw::platform::TCairoCanvas& canvas = picture.Canvas();
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
    picture.Save();
    return 0;
}
#else
int RunRender(TArgs) {
    throw ToolError("render needs the Cairo canvas, and this program was built without Cairo");
}
#endif

} // namespace kwtool
