// kwgfx render: path text drawn into a picture on the Cairo canvas: a PNG, or a PDF, SVG or
// PostScript document when the output file's extension names one.
//
// The text is SVG path data (--compat: the library's lenient path text). The fill is the
// library's FillSvgPath, so the program draws what a user of the library gets: all figures
// as one area under --fill-rule (nonzero by default, as in SVG; black unless --fill says
// otherwise), no outline, on SVG's pixel-edge grid, anti-aliased with --antialias. --fit
// scales the drawn geometry (tight bounds), keeping proportions, to fill the picture less a
// small margin. --stroke then outlines the same (fitted) figures with the canvas pen.

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

// The picture less a margin of a twentieth of its shorter side (at least a pixel), in SVG
// coordinates (pixel edges).
kw::TKwRect FitArea(kw::platform::TSize Size) {
    const float margin = float(std::max(1, std::min(Size.cx, Size.cy) / 20));
    return {margin, margin, std::max(margin, Size.cx - margin), std::max(margin, Size.cy - margin)};
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
