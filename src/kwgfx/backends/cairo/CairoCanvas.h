// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// A canvas that draws with Cairo: on an image surface (usually a TBitmap's), on a vector
/// document's page, or through any cairo_t it is given (a window's, for instance). It follows
/// the raster conventions of TCanvas: pixel (x, y) is the square from (x, y) to (x+1, y+1); a
/// box (L, T, R, B) covers columns L..R-1 and rows T..B-1 and shapes keep their outline
/// inside it; polygon and line points name pixels, so a polygon covers its vertex pixels and
/// a line leaves out its end pixel. PolyPolygonF keeps its sub-pixel coordinates under the
/// same convention: a point (x, y) is the device point (x + 0.5, y + 0.5). Pen widths are whole
/// pixels. Anti-aliasing is off unless SetAntialias(true); it applies to shapes, images and text
/// alike.
///
/// A canvas pixel is one unit of the context's user space as the canvas found it: a canvas
/// given a context scaled by 0.75 draws a pixel as 0.75 device units (a point on a PDF page).
///
/// Text is laid out by Pango where the library is built with it (TCairoTextEngine::Pango):
/// HarfBuzz shapes it (joined Arabic, Devanagari conjuncts, ligatures, marks), the Unicode
/// bidirectional algorithm orders its runs (right-to-left runs read from the right inside a
/// left-to-right line; DrawText's DT_RTLREADING makes the paragraph right to left), and a
/// character the font lacks is drawn from another installed font that has it (fontconfig's
/// fallback; where no font has it, the missing-glyph box, silently). Font.Name picks the
/// family ("Default" is DejaVu Sans), Font.Height the size, Font.Orientation rotates around
/// the text's top-left. Text is measured in canvas pixels, unhinted, independent of the
/// target, so that it measures and places its glyphs the same on every target; the target
/// only renders the glyphs (a vector target keeps them as text). TextExtent(s).cx is the
/// advance of what TextOut(s) draws; TextHeight is the cell (ascent + descent) of the font
/// asked for, whatever fallback fonts a line uses. Smooth text is rendered as GTK renders
/// its labels by default: grey anti-aliasing, slight hinting, unrounded glyph positions.

#include "kwgfx/platform/graphics/Canvas.h"
#include "kwgfx/raster/RasterTypes.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

typedef struct _cairo cairo_t;
typedef struct _cairo_surface cairo_surface_t;
typedef struct _cairo_font_face cairo_font_face_t;
typedef struct _cairo_matrix cairo_matrix_t;

namespace kw::platform {

struct TBoxD;

namespace cairo_detail {
class TShapePath;
class TCairoRasterTarget;
class TPangoText;
/// Frees the Pango text state (a no-op in a build without Pango, which never makes one).
struct TPangoTextDeleter {
    void operator()(TPangoText* Text) const;
};
} // namespace cairo_detail

/// How a TCairoCanvas turns text into glyphs.
enum class TCairoTextEngine : uint8_t {
    /// Cairo's own text calls: every character from the one face fontconfig picks for the
    /// font, no shaping, no bidirectional order, no fallback. Cheaper; right for Latin,
    /// Greek and Cyrillic text without ligatures. The only engine of a build without Pango.
    Simple,
    /// Pango: shaping, bidirectional order and font fallback, as the file's description says.
    Pango,
};

/// A canvas that draws with Cairo; see the file's description.
class TCairoCanvas : public TCanvas {
public:
    /// Draws on Surface through a context of its own; canvas pixels are the surface's units.
    explicit TCairoCanvas(cairo_surface_t* Surface);
    /// Draws through Context as it stands: its transformation and clip at this moment are
    /// the canvas's. The canvas keeps a reference to Context and leaves its state as it
    /// found it after every call. A call that puts the context into an error state moves
    /// the canvas to a fresh context on the same target with the same transformation (the
    /// clip is lost), so that one bad call does not disable the canvas.
    explicit TCairoCanvas(cairo_t* Context);
    ~TCairoCanvas() override;
    TCairoCanvas(const TCairoCanvas&) = delete;
    TCairoCanvas& operator=(const TCairoCanvas&) = delete;

    /// Smooth edges for shapes, images and text; off unless set.
    ///@{
    bool Antialias() const override { return FAntialias; }
    void SetAntialias(bool Value) override { FAntialias = Value; }
    ///@}

    /// The text engine: Pango when the library is built with it, otherwise Simple. Setting
    /// Pango where it is not built in keeps Simple, so TextEngine() tells what is used.
    ///@{
    TCairoTextEngine TextEngine() const {
        return HasPango() ? FTextEngine : TCairoTextEngine::Simple;
    }
    void SetTextEngine(TCairoTextEngine Value) { FTextEngine = Value; }
    ///@}
    /// Whether the library is built with Pango.
    static bool HasPango();

    /// Moves the canvas to another surface or context; pen, brush, font and pen position stay.
    ///@{
    void Attach(cairo_surface_t* Surface);
    void Attach(cairo_t* Context);
    ///@}
    /// The surface the canvas draws on and the context it draws through.
    ///@{
    cairo_surface_t* Surface() const { return FSurface; }
    cairo_t* Context() const { return FContext; }
    ///@}

protected:
    /// The context's clip extents in canvas pixels, on every target: a bitmap's pixels, a
    /// document's page, the part of a window that may be drawn; none when the clip is empty.
    std::optional<TRect> DoClipBox() const override;
    void DoLineTo(TPoint From, TPoint To) override;
    void DoPolygon(std::span<const TPoint> Points) override;
    void DoPolyPolygon(std::span<const std::vector<TPoint>> Polygons,
                       TPolyFillMode FillMode) override;
    void DoPolyPolygonF(std::span<const std::vector<TPointD>> Polygons,
                        TPolyFillMode FillMode) override;
    void DoPolyline(std::span<const TPoint> Points) override;
    void DoPolylines(std::span<const std::vector<TPoint>> Lines) override;
    /// On an image surface, the rasteriser fills the path with its curves, straight into the
    /// pixels; other targets take polygons (false).
    bool DoFillPathCurves(const raster::TRasterPath& Path, const raster::TAffine& Transform,
                          TColor Color, bool Antialias, TPolyFillMode FillMode) override;
    void DoRectangle(const TRect& Box) override;
    void DoRoundRect(const TRect& Box, int32_t CornerWidth, int32_t CornerHeight) override;
    void DoEllipse(const TRect& Box) override;
    void DoChord(const TRect& Box, TPoint Start, TPoint End) override;
    void DoPie(const TRect& Box, TPoint Start, TPoint End) override;
    void DoFillRect(const TRect& Rect) override;
    void DoDraw(int32_t X, int32_t Y, const TGraphic& Graphic) override;
    void DoStretchDraw(const TRect& Rect, const TGraphic& Graphic) override;
    void DoTextOut(int32_t X, int32_t Y, std::string_view Text) override;
    TSize DoTextExtent(std::string_view Text) override;
    TTextMetric DoGetTextMetrics() override;
    void DoGradientFill(std::span<const TTriVertex> Vertices,
                        std::span<const TGradientTriangle> Triangles) override;
    void DoTextLine(int32_t X, int32_t Y, std::string_view Text, const TRect* Clip) override;
    int32_t DoDrawText(std::string_view Text, TRect& Rect, uint32_t Flags) override;
    void DoWrapParagraph(std::string_view Paragraph, int32_t MaxWidth,
                         std::vector<std::string>& Lines) override;

private:
    // Shapes (CairoCanvas.cpp; pen and brush in CairoPenBrush.cpp, far coordinates in
    // CairoFarClip.cpp).
    // Builds a shape's path in the box (L, T, R, B) shrunk by Inset on every side.
    using TBoxPath = std::function<void(cairo_detail::TShapePath&, double L, double T, double R,
                                        double B, double Inset)>;
    void BeginDrawing();
    void EndDrawing();
    template <typename TFigures>
    void FillThenStroke(const std::function<void()>& AddFigures, const TFigures& Figures,
                        TPolyFillMode FillMode);
    template <typename P>
    void StrokeFigure(std::span<const P> Points);
    template <typename TFigures>
    bool FillSolidByRaster(const TFigures& Figures, TPolyFillMode FillMode);
    void FillAndOutline(TRect Box, const TBoxPath& Path);
    void StrokeOpenPath(std::span<const TPoint> Points);
    bool OpenLineCentres(std::span<const TPoint> Points);
    void RasterOpenLine(const TBoxD& Reach);
    void DrawArcShape(const TRect& Box, TPoint Start, TPoint End, bool Wedge);
    void PaintGraphic(const TGraphic& Graphic, const TRect& Dest);

    // Text: the engine's choice (CairoTextEngine.cpp), the Pango path (CairoPangoText.cpp),
    // the simple path (CairoText.cpp).
    bool UsePango() const { return TextEngine() == TCairoTextEngine::Pango; }
    cairo_detail::TPangoText& Pango(); // made on first use
    void PangoTextAt(int32_t X, int32_t Y, std::string_view Text, const TRect* Clip);
    TSize SimpleTextExtent(std::string_view Text);
    TTextMetric SimpleTextMetrics();
    void SimpleTextAt(int32_t X, int32_t Y, std::string_view Text, const TRect* Clip);
    struct TFontKey {
        std::string Face;
        bool Bold = false;
        bool Italic = false;
        bool operator==(const TFontKey&) const = default;
    };
    void SelectFont();
    void ShowGlyphs(const std::string& Text, double Baseline, double Angle);

    cairo_surface_t* FSurface = nullptr;
    cairo_t* FContext = nullptr;
    // Fills and outlines on image surfaces (CairoRasterTarget.cpp), and a line's points (kept
    // between calls, so that drawing a line allocates nothing once warm).
    std::unique_ptr<cairo_detail::TCairoRasterTarget> FRaster;
    std::vector<raster::TVertex> FLine;
    std::vector<TPointD> FLinePoints;
    std::unique_ptr<cairo_matrix_t> FBaseMatrix; // the context's transformation when attached
    cairo_t* FMeasure = nullptr;                 // text measuring, on a 1 x 1 image surface
    bool FAntialias = false;

    cairo_font_face_t* FFace = nullptr;
    TFontKey FFaceKey;
    bool FFaceScalable = true;

    std::unique_ptr<cairo_detail::TPangoText, cairo_detail::TPangoTextDeleter> FPango;
    TCairoTextEngine FTextEngine = TCairoTextEngine::Pango;
    uint32_t FDrawTextFlags = 0; // of the DrawText call under way, for its lines
};

} // namespace kw::platform
