// The gallery: one picture per family of drawing routines.
//   - TGalleryPage: a grid of cells; each cell draws in its area and returns the label
//     of the call it made, built from the very values it passed
//   - label helpers
//   - one builder per family: path shapes, spline polygons, gradients, arrows, pie
//     slices, shape styles, shape types, 3D frames, colour schemes, progress indicators,
//     wrapped text, user-interface helpers, hint windows, real SVG icons
//   - RunGallery: writes the pictures and index.html
#include "Gallery.h"

#if defined(KWGFX_HAVE_CAIRO)
#include "GalleryIcons.h"
#include "GalleryOptions.h"
#include "PictureOutput.h"

#include <kwgfx/KwGraphics.h>
#include <kwgfx/KwHintWindow.h>
#include <kwgfx/KwVclGraphics.h>
#include <kwgfx/path/KwPathAreaFill.h>
#include <kwgfx/platform/graphics/PixelRounding.h>
#include <kwgfx/platform/graphics/cairo/Bitmap.h>
#include <kwgfx/platform/graphics/cairo/BitmapWindowSurface.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace kwtool {

namespace {

using namespace kw;
using platform::TBitmap;
using platform::TCanvas;

// ------------------------------------------------------------------ page layout

// Draws in Area and returns the label: the routine and the arguments it was called with.
using TDrawCell = std::function<std::string(TCanvas&, const TRect& Area)>;

class TGalleryPage {
public:
    TGalleryPage(std::string FileName, std::string Title, int Columns, int AreaWidth,
                 int AreaHeight, int LabelLines = 4)
        : FFileName(std::move(FileName)), FTitle(std::move(Title)), FColumns(Columns),
          FAreaWidth(AreaWidth), FAreaHeight(AreaHeight), FLabelLines(LabelLines) {}

    const std::string& FileName() const { return FFileName; }
    const std::string& Title() const { return FTitle; }
    void Add(TDrawCell Draw) { FCells.push_back(std::move(Draw)); }

    int Width() const { return Columns() * CellWidth(); }
    int Height() const { return kTitleHeight + Rows() * CellHeight(); }

    // Draws the page on C, which is Width() x Height() pixels; without Labels, the title
    // and the labels under the cells are left out.
    void Draw(TCanvas& C, bool Labels) const {
        ResetState(C);
        C.Font().SetHeight(-17);
        C.Font().SetStyle({platform::fsBold});
        C.Brush().SetStyle(platform::bsClear);
        if (Labels) C.TextOut(kPad, 8, FTitle);
        for (int k = 0; k < static_cast<int>(FCells.size()); ++k) {
            const int x = (k % FColumns) * CellWidth();
            const int y = kTitleHeight + (k / FColumns) * CellHeight();
            const TRect area(x + kPad, y + kPad, x + kPad + FAreaWidth, y + kPad + FAreaHeight);
            DrawAreaFrame(C, area);
            ResetState(C);
            const std::string label = FCells[k](C, area);
            if (Labels) DrawLabel(C, label, area.Left, area.Bottom + 6, FAreaWidth);
        }
    }

    // The canvas state every cell starts from: black 1-pixel pen, white solid brush,
    // the default font at 12 pixels.
    static void ResetState(TCanvas& C) {
        C.Pen().SetColor(platform::clBlack);
        C.Pen().SetStyle(platform::psSolid);
        C.Pen().SetWidth(1);
        C.Brush().SetColor(platform::clWhite);
        C.Brush().SetStyle(platform::bsSolid);
        C.Font().SetName("Default");
        C.Font().SetHeight(-12);
        C.Font().SetStyle({});
        C.Font().SetColor(platform::clBlack);
    }

private:
    int Columns() const { return std::min(FColumns, std::max(static_cast<int>(FCells.size()), 1)); }
    int Rows() const { return (static_cast<int>(FCells.size()) + FColumns - 1) / FColumns; }
    int CellWidth() const { return FAreaWidth + 2 * kPad; }
    int CellHeight() const { return FAreaHeight + kPad + 10 + FLabelLines * kLineHeight; }

    static constexpr int kPad = 16;
    static constexpr int kLineHeight = 14;
    static constexpr int kTitleHeight = 38;

    // A light dotted frame two pixels outside the area: the rectangle the routine got.
    static void DrawAreaFrame(TCanvas& C, const TRect& Area) {
        C.Pen().SetColor(0xC8C8C8);
        C.Pen().SetStyle(platform::psDot);
        C.Brush().SetStyle(platform::bsClear);
        C.Rectangle(Area.Left - 2, Area.Top - 2, Area.Right + 2, Area.Bottom + 2);
    }

    void DrawLabel(TCanvas& C, std::string_view Label, int X, int Y, int Width) const {
        ResetState(C);
        C.Font().SetHeight(-11);
        C.Font().SetColor(0x303030);
        C.Brush().SetStyle(platform::bsClear);
        const std::string wrapped = WrapCanvasText(C, Label, static_cast<float>(Width));
        std::string_view rest = wrapped;
        for (int line = 0; line < FLabelLines && !rest.empty(); ++line) {
            const size_t end = rest.find("\r\n");
            C.TextOut(X, Y + line * kLineHeight, rest.substr(0, end));
            if (end == std::string_view::npos) break;
            rest.remove_prefix(end + 2);
        }
    }

    std::string FFileName;
    std::string FTitle;
    int FColumns;
    int FAreaWidth;
    int FAreaHeight;
    int FLabelLines;
    std::vector<TDrawCell> FCells;
};

// ------------------------------------------------------------------ label helpers

std::string Hex(TColor C) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "$%06X", static_cast<unsigned>(C) & 0xFFFFFFu);
    return buf;
}

std::string Num(double V) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", V);
    return buf;
}

std::string RectText(const TRect& R) {
    return "(" + std::to_string(R.Left) + ", " + std::to_string(R.Top) + ", " +
           std::to_string(R.Right) + ", " + std::to_string(R.Bottom) + ")";
}

std::string PointText(const TPoint& P) {
    return "(" + std::to_string(P.X) + ", " + std::to_string(P.Y) + ")";
}

std::string ColorsText(std::span<const TColor> Colors) {
    std::string out = "[";
    for (size_t k = 0; k < Colors.size(); ++k) out += (k ? " " : "") + Hex(Colors[k]);
    return out + "]";
}

std::string Bool(bool B) {
    return B ? "True" : "False";
}

TRect Inset(const TRect& R, int DX, int DY) {
    return TRect(R.Left + DX, R.Top + DY, R.Right - DX, R.Bottom - DY);
}

// ------------------------------------------------------------------ path shapes

// The path's curves flattened into lines half a pixel apart, then one canvas Polygon
// (filled) or Polyline per figure, points rounded.
void PaintPath(TCanvas& C, TKwPathData& Path, bool Fill) {
    Path.Flatten(0.5f);
    for (const TKwPoints& figure : Path.ToPolygons()) {
        TCanvasPoints points;
        for (const TKwPoint& p : figure)
            points.emplace_back(platform::RoundToPixel(p.X), platform::RoundToPixel(p.Y));
        if (Fill)
            C.Polygon(points);
        else
            C.Polyline(points);
    }
}

// Fills (or outlines) a path built by Build and returns the label.
TDrawCell PathCell(std::string Label, bool Fill,
                   std::function<void(TKwPathData&, const TKwRect&)> Build) {
    return [=](TCanvas& C, const TRect& A) {
        const TKwRect r(float(A.Left), float(A.Top), float(A.Right), float(A.Bottom));
        TKwPathData path;
        Build(path, r);
        C.Brush().SetColor(0x9AD0F5);
        C.Pen().SetColor(0x703010);
        C.Pen().SetWidth(Fill ? 1 : 2);
        PaintPath(C, path, Fill);
        return Label + " in " + RectText(A) +
               (Fill ? ", Flatten(0.5), ToPolygons, Polygon"
                     : ", Flatten(0.5), ToPolygons, Polyline");
    };
}

TGalleryPage PathShapesPage() {
    TGalleryPage page("path_shapes.png", "Path shapes", 4, 200, 120, 5);
    page.Add(PathCell("AddEllipse(Rect)", true,
                      [](TKwPathData& P, const TKwRect& R) { P.AddEllipse(R); }));
    static const char* const corners[] = {"ctRound", "ctBevel", "ctInnerRound", "ctInnerLine"};
    for (int t = ctRound; t <= ctInnerLine; ++t)
        page.Add(
            PathCell(std::string("AddRectangle(Rect, 30, 24, all corners, ") + corners[t] + ")",
                     true, [t](TKwPathData& P, const TKwRect& R) {
                         P.AddRectangle(R, 30, 24, AllKwCorners, TKwCornerType(t));
                     }));
    page.Add(PathCell("AddRectangle(Rect, 40, 40, [crTopLeft, crBottomRight], ctRound)", true,
                      [](TKwPathData& P, const TKwRect& R) {
                          P.AddRectangle(R, 40, 40, TKwCorners{crTopLeft, crBottomRight}, ctRound);
                      }));
    page.Add(PathCell("AddArc(centre, radii (80, 50), start 180, sweep 270)", false,
                      [](TKwPathData& P, const TKwRect& R) {
                          P.AddArc(TKwPoint((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2),
                                   TKwPoint(80, 50), 180, 270);
                      }));
    page.Add(PathCell("AddArc(centre, radii (60, 60), start -30, sweep -240)", false,
                      [](TKwPathData& P, const TKwRect& R) {
                          P.AddArc(TKwPoint((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2),
                                   TKwPoint(55, 55), -30, -240);
                      }));
    // SVG arcs: the four choices of large-arc and sweep flags between the same end points.
    for (int flags = 0; flags < 4; ++flags) {
        const int large = flags >> 1, sweep = flags & 1;
        page.Add([=](TCanvas& C, const TRect& A) {
            const std::string text =
                "M" + std::to_string(A.Left + 50) + "," + std::to_string(A.Top + 70) +
                " A50,35 0 " + std::to_string(large) + "," + std::to_string(sweep) + " " +
                std::to_string(A.Left + 130) + "," + std::to_string(A.Top + 50);
            TKwPathData path;
            path.SetPathString(text);
            C.Pen().SetColor(0x2020C0);
            C.Pen().SetWidth(2);
            PaintPath(C, path, false);
            return "SVG arc: SetPathString of " + text + "; Flatten(0.5), ToPolygons, Polyline";
        });
    }
    page.Add([](TCanvas& C, const TRect& A) {
        const std::string text = "M" + std::to_string(A.Left + 10) + "," +
                                 std::to_string(A.Bottom - 10) +
                                 " a25,25 -30 0,1 50,-25 l 20,0 a25,50 -30 0,1 50,-25 z";
        TKwPathData path;
        path.SetPathString(text);
        C.Brush().SetColor(0x80E0B0);
        PaintPath(C, path, true);
        return "Relative SVG arcs: SetPathString of " + text +
               "; Flatten(0.5), ToPolygons, Polygon";
    });
    return page;
}

// ------------------------------------------------------------------ spline polygons

TGalleryPage SplinesPage() {
    TGalleryPage page("splines.png", "Spline polygons", 4, 200, 140, 5);
    for (int closed = 0; closed < 2; ++closed)
        for (int bspline = 1; bspline >= 0; --bspline)
            page.Add([=](TCanvas& C, const TRect& A) {
                const TPoint points[] = {
                    {A.Left + 10, A.Bottom - 20},  {A.Left + 40, A.Top + 10},
                    {A.Left + 100, A.Top + 40},    {A.Left + 150, A.Top + 5},
                    {A.Right - 10, A.Bottom - 30}, {A.Left + 90, A.Bottom - 5}};
                // The control points, joined by a dotted line.
                C.Pen().SetColor(0xA0A0A0);
                C.Pen().SetStyle(platform::psDot);
                C.Polyline(points);
                C.Pen().SetStyle(platform::psSolid);
                C.Brush().SetColor(0xA0A0A0);
                for (const TPoint& p : points)
                    C.FillRect(TRect(p.X - 2, p.Y - 2, p.X + 3, p.Y + 3));
                C.Brush().SetColor(0xB0E0FF);
                C.Pen().SetColor(0x1060C0);
                C.Pen().SetWidth(2);
                DrawBezierPolygon(C, std::span<const TPoint>(points), bspline, closed, closed, 4,
                                  1);
                std::string list;
                for (const TPoint& p : points) list += (list.empty() ? "" : " ") + PointText(p);
                return "DrawBezierPolygon(Canvas, [" + list + "], BSpline " + Bool(bspline) +
                       ", Closed " + Bool(closed) + ", Filled " + Bool(closed) + ", Step 4, 1)";
            });
    return page;
}

// ------------------------------------------------------------------ gradients

TGalleryPage GradientsPage() {
    TGalleryPage page("gradients.png", "Gradients", 3, 240, 150);
    static const TColors rainbow = {platform::clRed, platform::clYellow, platform::clLime,
                                    platform::clAqua, platform::clBlue};
    static const TColors sunset = {0x4B0082, 0x3C14DC, 0x00A5FF, 0x8CE6F0};
    static const TColors sea = {0x800000, 0xCD5A6A, 0xFFFFE0};
    auto line = [&](const TColors& Colors, int Step, TGradientOrientation O) {
        page.Add([=](TCanvas& C, const TRect& A) {
            LineGradient(C, A, Colors, Step, O);
            return "LineGradient(" + RectText(A) + ", " + ColorsText(Colors) + ", Step " +
                   std::to_string(Step) + (O == diHorizontal ? ", diHorizontal)" : ", diVertical)");
        });
    };
    line(rainbow, 1, diHorizontal);
    line(sunset, 6, diVertical);
    line(TColors{0x2F6B55}, 1, diVertical);
    page.Add([](TCanvas& C, const TRect& A) {
        EllipseGradient(C, A, sea, 1);
        return "EllipseGradient(" + RectText(A) + ", " + ColorsText(sea) + ", Step 1)";
    });
    page.Add([](TCanvas& C, const TRect& A) {
        EllipseGradient(C, A, 0.3f, 0.35f, sunset, 1.0f);
        return "EllipseGradient(" + RectText(A) + ", CenterX 0.3, CenterY 0.35, " +
               ColorsText(sunset) + ", Step 1.0)";
    });
    page.Add([](TCanvas& C, const TRect& A) {
        RectGradient(C, A, rainbow, 3);
        return "RectGradient(" + RectText(A) + ", " + ColorsText(rainbow) + ", Step 3)";
    });
    return page;
}

// ------------------------------------------------------------------ arrows

std::string OptionsText(TArrowOptions O) {
    static const char* const names[] = {"aoArrowAtStart", "aoArrowAtEnd", "aoFillHead",
                                        "aoClosedHead", "aoDrawCaption"};
    std::string out = "[";
    for (int k = 0; k < 5; ++k)
        if (O.Contains(TArrowOption(k)))
            out += (out.size() > 1 ? ", " : "") + std::string(names[k]);
    return out + "]";
}

std::string CaptionText(std::string_view Caption) {
    std::string out = "'";
    for (char ch : Caption)
        out += ch == '\r' ? std::string("#13") : ch == '\n' ? "#10" : std::string(1, ch);
    return out + "'";
}

TGalleryPage ArrowsPage() {
    TGalleryPage page("arrows.png", "Arrows", 4, 210, 120, 6);
    auto segment = [&](TArrowOptions Options, int LineWidth, std::string Caption) {
        page.Add([=](TCanvas& C, const TRect& A) {
            const TPoint p1(A.Left + 20, A.Bottom - 20), p2(A.Right - 20, A.Top + 20);
            C.Brush().SetColor(0x5FA0F0);
            C.Pen().SetColor(0x202060);
            DrawArrow(C, p1.X, p1.Y, p2.X, p2.Y, 14, Caption, Options, LineWidth);
            return "DrawArrow(" + std::to_string(p1.X) + ", " + std::to_string(p1.Y) + ", " +
                   std::to_string(p2.X) + ", " + std::to_string(p2.Y) + ", HeadSize 14, " +
                   CaptionText(Caption) + ", " + OptionsText(Options) + ", LineWidth " +
                   std::to_string(LineWidth) + ")";
        });
    };
    segment({}, 1, "");
    segment({aoArrowAtEnd}, 1, "");
    segment({aoArrowAtStart, aoArrowAtEnd}, 1, "");
    segment({aoArrowAtEnd, aoClosedHead}, 1, "");
    segment({aoArrowAtEnd, aoFillHead}, 1, "");
    segment({aoArrowAtStart, aoArrowAtEnd, aoFillHead, aoClosedHead}, 1, "");
    segment({aoArrowAtEnd}, 8, "");
    segment({aoArrowAtStart, aoArrowAtEnd, aoFillHead}, 8, "");
    segment({aoArrowAtEnd, aoDrawCaption}, 1, "caption\r\nline two");
    segment({aoArrowAtEnd}, 1, "caption");
    page.Add([](TCanvas& C, const TRect& A) {
        const TPoint chain[] = {{A.Left + 10, A.Bottom - 10},
                                {A.Left + 70, A.Top + 20},
                                {A.Left + 130, A.Bottom - 20},
                                {A.Right - 10, A.Top + 10}};
        const TArrowOptions o = {aoArrowAtStart, aoArrowAtEnd, aoFillHead, aoDrawCaption};
        C.Brush().SetColor(0x50B050);
        DrawArrow(C, chain, 10, "mid", o, 1, -1);
        std::string points;
        for (const TPoint& p : chain) points += (points.empty() ? "" : " ") + PointText(p);
        return "DrawArrow([" + points + "], HeadSize 10, 'mid', " + OptionsText(o) +
               ", LineWidth 1, CaptionIndex -1)";
    });
    page.Add([](TCanvas& C, const TRect& A) {
        const TKwPoint chain[] = {{A.Left + 10.4f, A.Top + 60.5f},
                                  {A.Left + 100.5f, A.Top + 15.5f},
                                  {A.Right - 10.5f, A.Top + 60.5f}};
        const TArrowOptions o = {aoArrowAtEnd, aoClosedHead, aoFillHead, aoDrawCaption};
        C.Brush().SetColor(0x3050E0);
        DrawArrow(C, chain, 10, "first", o, 5, 0);
        std::string points;
        for (const TKwPoint& p : chain)
            points += (points.empty() ? "(" : " (") + Num(p.X) + ", " + Num(p.Y) + ")";
        return "DrawArrow([" + points + "], HeadSize 10, 'first', " + OptionsText(o) +
               ", LineWidth 5, CaptionIndex 0)";
    });
    return page;
}

// ------------------------------------------------------------------ pie slices

TGalleryPage PieSlicesPage() {
    TGalleryPage page("pie_slices.png", "Pie slices", 4, 160, 150, 3);
    auto slice = [&](double Start, double End, int Offset, TColor Color, bool Wide) {
        page.Add([=](TCanvas& C, const TRect& A) {
            const TRect r = Wide ? Inset(A, 0, 35) : A;
            C.Brush().SetColor(Color);
            DrawPieSlice(C, r, Start, End, Offset);
            return "DrawPieSlice(" + RectText(r) + ", " + Num(Start) + ", " + Num(End) +
                   ", AngleOffset " + std::to_string(Offset) + ")";
        });
    };
    slice(0, 90, 0, 0x3080F0, false);
    slice(45, 225, 0, 0x40C040, false);
    slice(0, 90, 45, 0xF08030, false);
    slice(30, 330, 0, 0x00D0FF, false);
    slice(90, 360, 0, 0xC060C0, false);
    slice(200, 100, 0, 0x808080, false);
    slice(-45, 45, 0, 0x6060E0, true);
    slice(10, 170, 180, 0x40A0A0, true);
    return page;
}

// ------------------------------------------------------------------ shapes

const char* const StyleNames[] = {
    "ssRectangle",      "ssEllipse",         "ssImage",        "ssDiamond",
    "ssLeftTriangle",   "ssRightTriangle",   "ssUpTriangle",   "ssDownTriangle",
    "ssRoundRect",      "ssSquare",          "ssCircle",       "ssRoundSquare",
    "ss3DRectangle",    "ss3DEllipse",       "ss3DImage",      "ss3DDiamond",
    "ss3DLeftTriangle", "ss3DRightTriangle", "ss3DUpTriangle", "ss3DDownTriangle",
    "ss3DRoundRect",    "ss3DSquare",        "ss3DCircle",     "ss3DRoundSquare"};

// Bevel colours of the style pictures: a pale and a dark blue.
constexpr TColor kLight = 0xFFE0C0;
constexpr TColor kShadow = 0x804000;

TGalleryPage ShapeStylesPage(const TBitmap& Image) {
    TGalleryPage page("shape_styles.png", "DrawShape: the 24 shape styles", 5, 160, 90, 5);
    for (int s = ssRectangle; s <= ss3DRoundSquare; ++s) {
        page.Add([s, &Image](TCanvas& C, const TRect& A) {
            const bool stretch = s == ssImage;
            C.Brush().SetColor(0x60B0F0);
            C.Pen().SetColor(0x204080);
            DrawShape(C, A, &Image, TKwShapeStyle(s), stretch, kLight, kShadow, 5);
            return "DrawShape(" + RectText(A) + ", Bitmap, " + StyleNames[s] + ", Stretch " +
                   Bool(stretch) + ", " + Hex(kLight) + ", " + Hex(kShadow) + ", Depth 5)";
        });
    }
    page.Add([&Image](TCanvas& C, const TRect& A) {
        DrawShape(C, A, &Image, ssImage, false, kLight, kShadow, 5);
        return "DrawShape(" + RectText(A) + ", Bitmap, ssImage, Stretch False, " + Hex(kLight) +
               ", " + Hex(kShadow) + ", Depth 5)";
    });
    return page;
}

TGalleryPage ShapeTypesPage() {
    TGalleryPage page("shape_types.png", "DrawShape: 4 shape types in 4 orientations", 4, 150, 80,
                      4);
    static const char* const types[] = {"sRect", "sCircle", "sIsoscelesTriangle", "sRightTriangle"};
    static const char* const orientations[] = {"soUp", "soDown", "soLeft", "soRight"};
    for (int t = sRect; t <= sRightTriangle; ++t)
        for (int o = soUp; o <= soRight; ++o)
            page.Add([t, o](TCanvas& C, const TRect& A) {
                C.Brush().SetColor(0x3CB371);
                const TRect used =
                    DrawShape(C, A, TKwShapeType(t), TKwShapeOrientation(o), true, 6);
                return std::string("DrawShape(") + RectText(A) + ", " + types[t] + ", " +
                       orientations[o] + ", Is3D True, Depth 6) = " + RectText(used);
            });
    for (int t = sRect; t <= sRightTriangle; ++t)
        page.Add([t](TCanvas& C, const TRect& A) {
            C.Brush().SetColor(0x3CB371);
            DrawShape(C, A, TKwShapeType(t), soUp, false, 6);
            return std::string("DrawShape(") + RectText(A) + ", " + types[t] +
                   ", soUp, Is3D False, Depth 6)";
        });
    return page;
}

TGalleryPage FramesPage() {
    TGalleryPage page("frames_3d.png", "3D frames (the face filled afterwards)", 3, 200, 120, 4);
    constexpr TColor light = kLight, dark = kShadow, face = 0xC8C8C8;
    auto square = [&](int Width) {
        page.Add([=](TCanvas& C, const TRect& A) {
            TRect r = A;
            Frame3DExt(C, r, light, dark, Width);
            C.Brush().SetColor(face);
            C.FillRect(r);
            return "Frame3DExt(" + RectText(A) + ", " + Hex(light) + ", " + Hex(dark) + ", Width " +
                   std::to_string(Width) + ", Rounded False) leaves " + RectText(r);
        });
    };
    auto rounded = [&](int Width, int CW, int CH) {
        page.Add([=](TCanvas& C, const TRect& A) {
            TRect r = A;
            C.Pen().SetColor(0x404040);
            Frame3DExt(C, r, light, dark, Width, true, CW, CH);
            C.Brush().SetColor(face);
            C.Pen().SetStyle(platform::psClear);
            C.RoundRect(r.Left, r.Top, r.Right, r.Bottom, CW, CH);
            return "Frame3DExt(" + RectText(A) + ", " + Hex(light) + ", " + Hex(dark) + ", Width " +
                   std::to_string(Width) + ", Rounded True, " + std::to_string(CW) + ", " +
                   std::to_string(CH) + ") leaves " + RectText(r);
        });
    };
    auto ellipse = [&](int Width) {
        page.Add([=](TCanvas& C, const TRect& A) {
            TRect r = A;
            Frame3DEllipse(C, r, light, dark, Width);
            C.Brush().SetColor(face);
            C.Pen().SetStyle(platform::psClear);
            C.Ellipse(r);
            return "Frame3DEllipse(" + RectText(A) + ", " + Hex(light) + ", " + Hex(dark) +
                   ", Width " + std::to_string(Width) + ") leaves " + RectText(r);
        });
    };
    square(1);
    square(4);
    square(10);
    rounded(4, 30, 30);
    rounded(6, 60, 40);
    ellipse(6);
    return page;
}

// ------------------------------------------------------------------ colour schemes

TGalleryPage ColorSchemesPage() {
    TGalleryPage page("color_schemes.png", "Colour schemes", 1, 560, 30, 3);
    static const char* const names[] = {"csCustom",
                                        "csDefaultColors: DefaultColorList",
                                        "csPastels: PastelsColorList",
                                        "csBlackandWhite: BWColorList",
                                        "csGrays: GraysColorList",
                                        "csSouthwest: SouthwestColorList",
                                        "csReds: RedsColorList",
                                        "csGreens: GreensColorList",
                                        "csBlues: BluesColorList",
                                        "csViolets: VioletsColorList",
                                        "csDystopia: DystopiaColorList",
                                        "csAntique: AntiqueColorList"};
    for (int s = csDefaultColors; s <= csAntique; ++s)
        page.Add([s](TCanvas& C, const TRect& A) {
            const auto list = ColorSchemeList(TKwColorScheme(s));
            const int w = A.Width() / static_cast<int>(list.size());
            C.Pen().SetColor(0x404040);
            for (size_t k = 0; k < list.size(); ++k) {
                C.Brush().SetColor(list[k]);
                const int x = A.Left + static_cast<int>(k) * w;
                C.Rectangle(x, A.Top, x + w - 4, A.Bottom);
            }
            return std::string(names[s]) + " " + ColorsText(list);
        });
    return page;
}

// ------------------------------------------------------------------ progress

TGalleryPage ProgressPage() {
    TGalleryPage page("progress.png", "Progress indicators", 4, 190, 150, 9);
    const TColors palette(DefaultColorList.begin(), DefaultColorList.end());
    const TColors blues(BluesColorList.begin(), BluesColorList.end());
    const TColors reds(RedsColorList.begin(), RedsColorList.end());
    for (int position : {25, 60, 100})
        page.Add([=](TCanvas& C, const TRect& A) {
            ProgressCircle(C, A, 4, position, 0, 100, palette, true, 12, sCircle, soUp, false, 0, 2,
                           pdForward, dtAllProgress);
            return "ProgressCircle(" + RectText(A) + ", Margin 4, Position " +
                   std::to_string(position) +
                   ", 0, 100, DefaultColorList, PenToo, Steps 12, sCircle, soUp, Is3D False, "
                   "Depth 0, Spacing 2, pdForward, dtAllProgress)";
        });
    page.Add([=](TCanvas& C, const TRect& A) {
        ProgressCircle(C, A, 2, 70, 0, 100, reds, false, 10, sIsoscelesTriangle, soUp, true, 3, 4,
                       pdBackward, dtCurrentProgress);
        return "ProgressCircle(" + RectText(A) +
               ", Margin 2, Position 70, 0, 100, RedsColorList, PenToo False, Steps 10, "
               "sIsoscelesTriangle, soUp, Is3D True, Depth 3, Spacing 4, pdBackward, "
               "dtCurrentProgress)";
    });
    for (int position : {30, 70, 100})
        page.Add([=](TCanvas& C, const TRect& A) {
            ProgressPie(C, A, 0, position, 0, 100, blues, false, 10, 6, pdForward, dtAllProgress);
            return "ProgressPie(" + RectText(A) + ", Margin 0, Position " +
                   std::to_string(position) +
                   ", 0, 100, BluesColorList, PenToo False, Steps 10, GapAngle 6, pdForward, "
                   "dtAllProgress)";
        });
    page.Add([=](TCanvas& C, const TRect& A) {
        ProgressPie(C, A, 0, 40, 0, 100, blues, true, 10, 0, pdBackward, dtAllProgress);
        return "ProgressPie(" + RectText(A) +
               ", Margin 0, Position 40, 0, 100, BluesColorList, PenToo, Steps 10, GapAngle 0, "
               "pdBackward, dtAllProgress)";
    });
    for (int position : {30, 100})
        page.Add([=](TCanvas& C, const TRect& A) {
            const TRect bar(A.Left, A.Top + 55, A.Right, A.Top + 95);
            ProgressRect(C, bar, 3, position, 0, 100, palette, true, 8, sRect, soUp, true, 2, 2,
                         poHorizontal, pdForward, dtAllProgress);
            return "ProgressRect(" + RectText(bar) + ", Margin 3, Position " +
                   std::to_string(position) +
                   ", 0, 100, DefaultColorList, PenToo, Steps 8, sRect, soUp, Is3D True, "
                   "Depth 2, Spacing 2, poHorizontal, pdForward, dtAllProgress)";
        });
    page.Add([=](TCanvas& C, const TRect& A) {
        const TRect bar(A.Left + 50, A.Top, A.Left + 100, A.Bottom);
        ProgressRect(C, bar, 2, 60, 0, 100, reds, false, 6, sIsoscelesTriangle, soUp, false, 0, 3,
                     poVertical, pdBackward, dtAllProgress);
        return "ProgressRect(" + RectText(bar) +
               ", Margin 2, Position 60, 0, 100, RedsColorList, PenToo False, Steps 6, "
               "sIsoscelesTriangle, soUp, Is3D False, Depth 0, Spacing 3, poVertical, "
               "pdBackward, dtAllProgress)";
    });
    page.Add([=](TCanvas& C, const TRect& A) {
        const TRect bar(A.Left, A.Top + 60, A.Right, A.Top + 90);
        ProgressRect(C, bar, 0, 50, 0, 100, blues, true, 10, sCircle, soUp, false, 0, 1,
                     poHorizontal, pdBackward, dtCurrentProgress);
        return "ProgressRect(" + RectText(bar) +
               ", Margin 0, Position 50, 0, 100, BluesColorList, PenToo, Steps 10, sCircle, soUp, "
               "Is3D False, Depth 0, Spacing 1, poHorizontal, pdBackward, dtCurrentProgress)";
    });
    return page;
}

// ------------------------------------------------------------------ wrapped text

TGalleryPage TextWrapPage() {
    TGalleryPage page("text_wrap.png", "Text wrapping", 3, 330, 230, 2);
    static const std::string text =
        "Wrapping keeps \"quoted runs like this one\" together, breaks well-known hyphenated "
        "words after the hyphen and keeps trailing spaces on the upper line.\r\nA line end "
        "in the text starts a new line. An overlong word: "
        "supercalifragilisticexpialidocious.";
    for (int width : {120, 200, 320})
        page.Add([=](TCanvas& C, const TRect& A) {
            C.Brush().SetStyle(platform::bsClear);
            const std::string wrapped = WrapCanvasText(C, text, static_cast<float>(width));
            const int lineHeight = C.TextHeight("A");
            int y = A.Top;
            std::string_view rest = wrapped;
            while (!rest.empty()) {
                size_t end = rest.find_first_of("\r\n");
                C.TextOut(A.Left, y, rest.substr(0, end));
                y += lineHeight;
                if (end == std::string_view::npos) break;
                if (rest.compare(end, 2, "\r\n") == 0) ++end;
                rest.remove_prefix(end + 1);
            }
            C.Pen().SetColor(platform::clRed);
            C.Pen().SetStyle(platform::psDot);
            C.MoveTo(A.Left + width, A.Top);
            C.LineTo(A.Left + width, A.Bottom);
            return "WrapCanvasText(Canvas, Text, " + std::to_string(width) +
                   "), lines drawn with TextOut; the red line marks the width";
        });
    return page;
}

// ------------------------------------------------------------------ user-interface helpers

void PaintSampleImage(TBitmap& Image);

const char* const DirectionNames[] = {"gdDownRight", "gdDown",    "gdDownLeft", "gdRight",
                                      "gdLeft",      "gdUpRight", "gdUp",       "gdUpLeft"};

std::string FlagsText(uint32_t Flags) {
    std::string out;
    const std::pair<uint32_t, const char*> names[] = {{platform::DT_CENTER, "DT_CENTER"},
                                                      {platform::DT_VCENTER, "DT_VCENTER"},
                                                      {platform::DT_BOTTOM, "DT_BOTTOM"},
                                                      {platform::DT_WORDBREAK, "DT_WORDBREAK"}};
    for (const auto& [bit, name] : names)
        if (Flags & bit) out += (out.empty() ? "" : " or ") + std::string(name);
    return out.empty() ? "DT_TOP" : out;
}

TGalleryPage UiHelpersPage() {
    TGalleryPage page("ui_helpers.png",
                      "User-interface helpers: direction gradients, rotated fonts, text labels, "
                      "image-list shapes",
                      4, 200, 120, 4);
    static const TColors colors = {0x8B3A1E, 0x40C0F0, 0xE0F0F0};
    // The four diagonals first, then the four axis directions.
    for (int d : {gdDownRight, gdDownLeft, gdUpRight, gdUpLeft, gdDown, gdUp, gdRight, gdLeft})
        page.Add([d](TCanvas& C, const TRect& A) {
            DirectionGradient(C, A, colors, TGradientDirection(d), 1);
            return "DirectionGradient(" + RectText(A) + ", " + ColorsText(colors) + ", " +
                   DirectionNames[d] + ", Step 1)" +
                   (d == gdDown || d == gdUp || d == gdRight || d == gdLeft ? ""
                                                                            : ", two triangles");
        });

    page.Add([](TCanvas& C, const TRect& A) {
        // Each label starts on a small arc around the fan's centre, so that they do not
        // overlap where they begin.
        const TPoint centre(A.Left + 4, A.Bottom - 22);
        C.Brush().SetStyle(platform::bsClear);
        C.Font().SetHeight(-13);
        for (int angle = 0; angle <= 90; angle += 30) {
            const double radians = angle * cPI / 180.0;
            C.Font().SetColor(InterpolateColor(0x8B3A1E, 0x2060F0, angle / 90.0f));
            RotateFont(C.Font(), float(angle));
            C.TextOut(centre.X + platform::RoundToPixel(30 * std::cos(radians)),
                      centre.Y - platform::RoundToPixel(30 * std::sin(radians)),
                      "rotated " + std::to_string(angle));
        }
        // The next cells and the label draw level again.
        C.Font().SetOrientation(0);
        return "RotateFont(Font, 0 .. 90 step 30), then TextOut 30 pixels from " +
               PointText(centre) + " along each angle";
    });
    for (uint32_t v : {platform::DT_TOP, platform::DT_VCENTER, platform::DT_BOTTOM}) {
        page.Add([v](TCanvas& C, const TRect& A) {
            const uint32_t flags = v | platform::DT_WORDBREAK | platform::DT_CENTER;
            C.Pen().SetColor(0x808080);
            C.Brush().SetColor(0xF4F8FA);
            C.Rectangle(A);
            const TRect box = Inset(A, 6, 6);
            DrawTextLabel(C, "A label of several words wrapped to the width of its box", flags,
                          box);
            return "DrawTextLabel(Text, " + FlagsText(flags) + ", " + RectText(box) + ")";
        });
    }

    auto images = std::make_shared<platform::TImageList>(48, 32);
    auto sample = std::make_shared<TBitmap>(48, 32);
    PaintSampleImage(*sample);
    images->Add(sample);
    page.Add([images](TCanvas& C, const TRect& A) {
        DrawShape(C, A, images.get(), 0, ssImage, ssEllipse, true, kLight, kShadow, 4);
        return "DrawShape(" + RectText(A) + ", Images, 0, ssImage, ssEllipse, Stretch True)";
    });
    page.Add([images](TCanvas& C, const TRect& A) {
        DrawShape(C, A, images.get(), 0, ss3DImage, ssEllipse, false, kLight, kShadow, 4);
        return "DrawShape(" + RectText(A) +
               ", Images, 0, ss3DImage, ssEllipse, Stretch False, Depth 4)";
    });
    page.Add([](TCanvas& C, const TRect& A) {
        C.Brush().SetColor(0x60B0F0);
        DrawShape(C, A, nullptr, 0, ssImage, ss3DEllipse, false, kLight, kShadow, 4);
        return "DrawShape(" + RectText(A) +
               ", no image list, ssImage, fallback ss3DEllipse): clBtnHighlight, clBtnShadow, "
               "depth 3";
    });
    page.Add([images](TCanvas& C, const TRect& A) {
        C.Brush().SetColor(0x60B0F0);
        DrawShape(C, A, images.get(), 5, ss3DImage, ss3DRoundRect, false, kLight, kShadow, 4);
        return "DrawShape(" + RectText(A) +
               ", Images, index 5 of 1, ss3DImage, fallback ss3DRoundRect)";
    });
    return page;
}

// ------------------------------------------------------------------ hint windows

// Shows a hint window that paints into a bitmap of its own and copies its picture into
// the cell; Show activates the window and returns the label.
std::string DrawHintWindow(TCanvas& C, const TRect& A,
                           const std::function<std::string(TKwHintWindow&)>& Show) {
    platform::Application().SetWindowSurfaceFactory(
        [] { return std::make_unique<platform::TBitmapWindowSurface>(); });
    std::string label;
    try {
        TKwHintWindow hint(nullptr);
        label = Show(hint);
        auto& surface = static_cast<platform::TBitmapWindowSurface&>(hint.Surface());
        C.Draw(A.Left + hint.Left(), A.Top + hint.Top(), surface.Bitmap());
    } catch (...) {
        platform::Application().SetWindowSurfaceFactory({});
        throw;
    }
    platform::Application().SetWindowSurfaceFactory({});
    return label;
}

TGalleryPage HintWindowsPage() {
    TGalleryPage page("hint_window.png", "Hint windows (TKwHintWindow)", 3, 240, 110, 4);
    page.Add([](TCanvas& C, const TRect& A) {
        return DrawHintWindow(C, A, [](TKwHintWindow& H) {
            H.ActivateHint(TPoint(10, 10), "Saves the document");
            return std::string("ActivateHint(Point(10, 10), \"Saves the document\")");
        });
    });
    page.Add([](TCanvas& C, const TRect& A) {
        return DrawHintWindow(C, A, [](TKwHintWindow& H) {
            static const std::string text =
                "Opens the drawing in a new window, so that two parts of it can be seen at once";
            const TRect r = H.CalcHintRect(180, text, nullptr);
            H.ActivateHint(TRect(r.Left + 10, r.Top + 10, r.Right + 10, r.Bottom + 10), text);
            return "CalcHintRect(180, Text, nil) = " + RectText(r) +
                   ", moved by (10, 10), then ActivateHint(Rect, Text): the text wraps between "
                   "words";
        });
    });
    page.Add([](TCanvas& C, const TRect& A) {
        return DrawHintWindow(C, A, [](TKwHintWindow& H) {
            H.Font().SetHeight(-18);
            H.Font().SetStyle({platform::fsBold});
            H.SetColor(0xE0F0FF);
            H.ActivateHint(TPoint(10, 10), "Cut & paste");
            return "Font.Height -18, bold, Color " + Hex(H.Color()) + ": \"&\" is drawn as itself";
        });
    });
    return page;
}

// ------------------------------------------------------------------ SVG icons

// Moves a read icon from its view box onto a Size x Size square at the origin, one scale
// for both axes so that the icon keeps its proportions and its place in the box
// (FitToRect would stretch each reading to its own bounds and hide where a reading went
// astray). A canvas point is the centre of a pixel, so the path goes half a pixel up and
// left to cover the same pixels as the box.
void PlaceIcon(TKwPathData& Path, const TGalleryIcon& Icon, int Size) {
    Path.Translate(-Icon.ViewBox.Left, -Icon.ViewBox.Top);
    Path.Scale(float(Size) / Icon.ViewBox.Width, float(Size) / Icon.ViewBox.Height);
    Path.Translate(-0.5f, -0.5f);
    Path.SetFillMode(Icon.EvenOdd ? fmEvenOdd : fmNonZero);
}

// Fills all figures of Path as one area under its fill rule, anti-aliased and without an
// outline, on a bitmap of the area's size that is then copied into the area: a reading
// that strays outside its view box is cut at the cell instead of painting its neighbours.
void DrawIconPath(TCanvas& C, const TRect& A, const TKwPathData& Path, TColor Color) {
    TBitmap cell(A.Right - A.Left, A.Bottom - A.Top);
    platform::TCairoCanvas& raster = cell.Canvas();
    raster.SetAntialias(true);
    raster.Pen().SetStyle(platform::psClear);
    raster.Brush().SetStyle(platform::bsSolid);
    raster.Brush().SetColor(Color);
    FillPathArea(raster, Path);
    C.Draw(A.Left, A.Top, cell);
}

// "set/" on one line and the name on the next: the label wrapper breaks only at spaces and
// hyphens, and set plus name are often wider than a cell.
std::string IconLabel(const TGalleryIcon& Icon) {
    return std::string(Icon.Set) + "/\r\n" + std::string(Icon.Name) +
           (Icon.EvenOdd ? ", evenodd" : ", nonzero");
}

// The icon read by the SVG grammar. The embedded icons are valid path data, so a reading
// error is the reader's fault: the gallery fails rather than show a half-read icon.
void DrawSvgIcon(TCanvas& C, const TRect& A, const TGalleryIcon& Icon) {
    TKwPathData path;
    const TKwSvgPathResult read = path.SetSvgPathString(Icon.Data);
    if (!read.Ok)
        throw std::runtime_error("icon " + std::string(Icon.Set) + "/" + std::string(Icon.Name) +
                                 ": read error at " + std::to_string(read.Position) + ": " +
                                 read.Message);
    PlaceIcon(path, Icon, A.Right - A.Left);
    DrawIconPath(C, A, path, 0x303030);
}

TGalleryPage SvgIconsPage() {
    constexpr int kIconSize = 96;
    TGalleryPage page("svg_icons.png",
                      "SVG icons: SetSvgPathString, Translate and Scale from the view box, "
                      "FillPathArea anti-aliased",
                      8, kIconSize, kIconSize, 5);
    const std::span<const TGalleryIcon> icons = GalleryIcons();
    for (const TGalleryIcon& icon : icons)
        page.Add([&icon](TCanvas& C, const TRect& A) {
            DrawSvgIcon(C, A, icon);
            return IconLabel(icon);
        });
    // The last row: icons whose compact text the two readers take apart differently, each
    // first as the lenient compatible reader sees it (in red), then as the SVG reader does.
    static const std::string_view compared[][2] = {{"bootstrap", "cursor-fill"},
                                                   {"bootstrap", "pie-chart-fill"},
                                                   {"octicons", "person-fill-16"},
                                                   {"heroicons", "moon"}};
    for (const auto& [set, name] : compared) {
        const auto found = std::find_if(icons.begin(), icons.end(), [&](const TGalleryIcon& I) {
            return I.Set == set && I.Name == name;
        });
        if (found == icons.end())
            throw std::logic_error("no embedded icon " + std::string(set) + "/" +
                                   std::string(name));
        const TGalleryIcon& icon = *found;
        page.Add([&icon](TCanvas& C, const TRect& A) {
            TKwPathData path;
            path.SetPathString(icon.Data);
            PlaceIcon(path, icon, A.Right - A.Left);
            DrawIconPath(C, A, path, 0x2020B0);
            return "compatible reader\r\n(SetPathString):\r\n" + IconLabel(icon);
        });
        page.Add([&icon](TCanvas& C, const TRect& A) {
            DrawSvgIcon(C, A, icon);
            return "SVG reader\r\n(SetSvgPathString):\r\n" + IconLabel(icon);
        });
    }
    return page;
}

// ------------------------------------------------------------------ assembling

// A small picture for the image styles: a diagonal gradient with a border.
void PaintSampleImage(TBitmap& Image) {
    TCanvas& c = Image.Canvas();
    static const TColor colors[] = {0x2060C0, 0x40C0F0, 0xF0F0A0};
    LineGradient(c, TRect(0, 0, Image.Width(), Image.Height()), colors, 2, diHorizontal);
    c.Brush().SetStyle(platform::bsClear);
    c.Pen().SetColor(0x203040);
    c.Rectangle(0, 0, Image.Width(), Image.Height());
    c.Ellipse(Image.Width() / 4, Image.Height() / 4, Image.Width() * 3 / 4, Image.Height() * 3 / 4);
}

// The page's file name without its extension: each output format adds its own.
std::string PageStem(const TGalleryPage& Page) {
    return std::filesystem::path(Page.FileName()).stem().string();
}

void WriteIndex(const std::filesystem::path& File, const std::vector<TGalleryPage>& Pages,
                const TPageOutput& Output) {
    std::ofstream out(File);
    out << "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
           "<title>kwgfx gallery</title>\n<style>body{font-family:sans-serif;margin:2em}"
           "img{border:1px solid #ccc;max-width:100%}</style>\n</head>\n<body>\n"
           "<h1>kwgfx gallery</h1>\n";
    for (std::size_t i = 0; i < Pages.size(); ++i)
        out << "<h2>" << Pages[i].Title() << "</h2>\n"
            << Output.IndexEntry(i, PageStem(Pages[i]), Pages[i].Title());
    out << "</body>\n</html>\n";
    out.close();
    if (!out) throw std::runtime_error("cannot write " + File.string());
}

} // namespace

int RunGallery(std::span<const std::string_view> Args) {
    TGalleryOptions options;
    try {
        options = ReadGalleryOptions(Args);
    } catch (const ToolError& e) {
        std::fprintf(stderr, "kwgfx: gallery: %s\n", e.what());
        return 2;
    }
    const std::filesystem::path& folder = options.Folder;
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error || !std::filesystem::is_directory(folder)) {
        std::fprintf(stderr, "kwgfx: cannot create the folder %s\n", folder.string().c_str());
        return 1;
    }
    try {
        TBitmap image(48, 32);
        PaintSampleImage(image);
        std::vector<TGalleryPage> pages;
        pages.push_back(PathShapesPage());
        pages.push_back(SplinesPage());
        pages.push_back(GradientsPage());
        pages.push_back(ArrowsPage());
        pages.push_back(PieSlicesPage());
        pages.push_back(ShapeStylesPage(image));
        pages.push_back(ShapeTypesPage());
        pages.push_back(FramesPage());
        pages.push_back(ColorSchemesPage());
        pages.push_back(ProgressPage());
        pages.push_back(TextWrapPage());
        pages.push_back(UiHelpersPage());
        pages.push_back(HintWindowsPage());
        pages.push_back(SvgIconsPage());
        TPageOutput output(options.Format, folder, options.Antialias);
        for (const TGalleryPage& page : pages) {
            page.Draw(output.BeginPage(PageStem(page), page.Width(), page.Height()),
                      options.Labels);
            if (const auto file = output.EndPage()) std::printf("%s\n", file->string().c_str());
        }
        if (const auto file = output.Finish()) std::printf("%s\n", file->string().c_str());
        WriteIndex(folder / "index.html", pages, output);
        std::printf("%s\n", (folder / "index.html").string().c_str());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kwgfx: gallery: %s\n", e.what());
        return 1;
    }
    return 0;
}

} // namespace kwtool

#else // built without the raster canvas

#include <cstdio>

namespace kwtool {

int RunGallery(std::span<const std::string_view>) {
    std::fprintf(stderr, "kwgfx: gallery needs the Cairo raster canvas, which this build lacks\n");
    return 1;
}

} // namespace kwtool

#endif
