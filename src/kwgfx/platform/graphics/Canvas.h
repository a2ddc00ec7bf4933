// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The drawing surface the library paints on. TCanvas is abstract: it owns a pen, a
/// brush and a font and the pen position, and its public operations check and keep that
/// state; the protected Do* members are what a concrete canvas implements.
///
/// Coordinates are integer device pixels (PolyPolygonF alone takes sub-pixel points).
/// A rectangle (L, T, R, B) covers columns L..R-1 and rows T..B-1. Shapes fill with the
/// brush and outline with the pen; psClear outlines nothing and bsClear fills nothing.

#include "kwgfx/platform/graphics/Brush.h"
#include "kwgfx/platform/graphics/DrawTextFlags.h"
#include "kwgfx/platform/graphics/Font.h"
#include "kwgfx/platform/graphics/FontRecords.h"
#include "kwgfx/platform/graphics/GradientFill.h"
#include "kwgfx/platform/graphics/Graphic.h"
#include "kwgfx/platform/graphics/Pen.h"
#include "kwgfx/platform/graphics/PointD.h"
#include "kwgfx/platform/graphics/PolyFillMode.h"
#include "kwgfx/platform/graphics/Types.h"
#include "kwgfx/raster/RasterPath.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kw::platform {

/// The abstract drawing surface; see the file's description.
class TCanvas : public TPersistent {
public:
    TCanvas() = default;
    /// A canvas registered as the screen device (ScreenFont.h) unregisters itself, so that
    /// font queries never reach a destroyed canvas.
    ~TCanvas() override;
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    /// The pen lines and outlines are drawn with.
    ///@{
    TPen& Pen() { return FPen; }
    const TPen& Pen() const { return FPen; }
    ///@}
    /// The brush shapes are filled with.
    ///@{
    TBrush& Brush() { return FBrush; }
    const TBrush& Brush() const { return FBrush; }
    ///@}
    /// The font text is drawn in.
    ///@{
    TFont& Font() { return FFont; }
    const TFont& Font() const { return FFont; }
    ///@}
    /// Copy the values of the given objects into the canvas's own.
    ///@{
    void SetPen(const TPen& Value) { FPen.Assign(Value); }
    void SetBrush(const TBrush& Value) { FBrush.Assign(Value); }
    void SetFont(const TFont& Value) { FFont.Assign(Value); }
    ///@}

    /// Smooth (anti-aliased) edges for shapes, images and text, on a canvas that can draw
    /// them; off unless turned on. A canvas of whole pixels only keeps it off: it reads false
    /// and ignores SetAntialias, so code that wants smooth edges can ask for them on any canvas.
    ///@{
    virtual bool Antialias() const { return false; }
    virtual void SetAntialias(bool) {}
    ///@}

    /// The pixels a drawing call can change, as a rectangle covers them, or nothing when the
    /// canvas does not say (it may then be asked to draw anywhere). Drawing code uses it to
    /// skip work for what cannot be seen; the pixels inside must come out the same.
    std::optional<TRect> ClipBox() const { return DoClipBox(); }

    /// Where the next LineTo starts.
    ///@{
    TPoint PenPos() const { return FPenPos; }
    void SetPenPos(TPoint Value) { MoveTo(Value.X, Value.Y); }
    ///@}

    /// Moves the pen position to (X, Y) without drawing.
    void MoveTo(int32_t X, int32_t Y);
    /// A pen line from the pen position to (X, Y), which becomes the pen position.
    void LineTo(int32_t X, int32_t Y);
    /// Closed, filled even-odd with the brush and outlined with the pen.
    void Polygon(std::span<const TPoint> Points);
    /// Open, pen only.
    void Polyline(std::span<const TPoint> Points);
    /// Each line drawn as Polyline draws it, in turn (a canvas may set up its pen once for
    /// all of them).
    void Polylines(std::span<const std::vector<TPoint>> Lines);
    /// Several closed figures filled with the brush as one area under FillMode (so a
    /// figure inside another can cut a hole), then each outlined with the pen.
    void PolyPolygon(std::span<const std::vector<TPoint>> Polygons,
                     TPolyFillMode FillMode = pfAlternate);
    /// PolyPolygon at sub-pixel coordinates: (x, y) is where the integer point (x, y) would
    /// be, the centre of that pixel. A canvas that draws only whole pixels rounds each point
    /// half to even (saturating at the 32-bit range) and draws PolyPolygon. A figure with a
    /// NaN or infinite coordinate has no shape and is left out, fill and outline alike.
    void PolyPolygonF(std::span<const std::vector<TPointD>> Polygons,
                      TPolyFillMode FillMode = pfAlternate);
    /// Fills the area of a path of lines and curves with Color, no outline, the pen and brush
    /// unused: all figures as one area under FillMode, each closed. Transform maps the path's
    /// coordinates to the canvas's as PolyPolygonF takes them ((x, y) is the centre of pixel
    /// (x, y)); Antialias asks for smooth edges where the canvas has them. Returns false,
    /// having drawn nothing, on a canvas that takes only polygons: the caller then flattens
    /// the path and calls PolyPolygonF.
    bool FillPathCurves(const raster::TRasterPath& Path, const raster::TAffine& Transform,
                        TColor Color, bool Antialias, TPolyFillMode FillMode) {
        return DoFillPathCurves(Path, Transform, Color, Antialias, FillMode);
    }
    /// The box (X1, Y1)-(X2, Y2) filled with the brush and outlined with the pen.
    ///@{
    void Rectangle(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2);
    void Rectangle(const TRect& Rect) { Rectangle(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom); }
    ///@}
    /// Rounded corners of the given ellipse width and height.
    void RoundRect(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2, int32_t X3, int32_t Y3);
    /// The ellipse inside the bounding box.
    ///@{
    void Ellipse(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2);
    void Ellipse(const TRect& Rect) { Ellipse(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom); }
    ///@}
    /// The part of the box's ellipse cut off by the chord between the points where the
    /// radials to (X3, Y3) and (X4, Y4) meet it; the arc runs counter-clockwise (as seen on
    /// screen) from the first radial to the second. Equal radials give the whole ellipse.
    void Chord(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2, int32_t X3, int32_t Y3, int32_t X4,
               int32_t Y4);
    /// The wedge between the same two radials and arc.
    void Pie(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2, int32_t X3, int32_t Y3, int32_t X4,
             int32_t Y4);
    /// Brush only, no outline.
    void FillRect(const TRect& Rect);
    /// The graphic at its natural size with its top-left corner at (X, Y).
    void Draw(int32_t X, int32_t Y, const TGraphic& Graphic);
    /// The graphic scaled into the rectangle.
    void StretchDraw(const TRect& Rect, const TGraphic& Graphic);
    /// The text's top-left corner at (X, Y), on a background of the brush colour unless the
    /// brush is bsClear. Moves the pen position to the end of the text.
    void TextOut(int32_t X, int32_t Y, std::string_view Text);

    /// Pixel size of a text line in the current font; the height is ascent + descent.
    TSize TextExtent(std::string_view Text) { return DoTextExtent(Text); }
    /// TextExtent(Text).cx.
    int32_t TextWidth(std::string_view Text) { return TextExtent(Text).cx; }
    /// TextExtent(Text).cy.
    int32_t TextHeight(std::string_view Text) { return TextExtent(Text).cy; }
    /// The metrics of the face the current font selects.
    TTextMetric GetTextMetrics() { return DoGetTextMetrics(); }

    /// Fills triangles whose corners carry colours, shading linearly in between. Returns
    /// false, drawing nothing, when a triangle names a vertex that does not exist.
    bool GradientFill(std::span<const TTriVertex> Vertices,
                      std::span<const TGradientTriangle> Triangles);

    /// Formats text in a rectangle (DT_* flags): lines break at CR, LF and CR LF unless
    /// DT_SINGLELINE, and between words to fit the width with DT_WORDBREAK (a word wider
    /// than the rectangle stays whole); DT_CENTER/DT_RIGHT align each line; DT_VCENTER and
    /// DT_BOTTOM place a single line; without DT_NOPREFIX "&" is a prefix marker and is not
    /// shown ("&&" shows one "&"; the marked character is not underlined). Drawing is clipped to
    /// the rectangle unless DT_NOCLIP. With DT_CALCRECT nothing is drawn and Rect's Right and
    /// Bottom are set to fit the text. Returns the height of the text.
    int32_t DrawText(std::string_view Text, TRect& Rect, uint32_t Flags) {
        return DoDrawText(Text, Rect, Flags);
    }

protected:
    /// The default tells no clip box.
    virtual std::optional<TRect> DoClipBox() const;
    /// Pen and shapes: the public operations have normalised nothing; the pen position is
    /// updated by the public operations after these return.
    virtual void DoMoveTo(int32_t X, int32_t Y);
    /// Draws the pen line of LineTo from From to To.
    virtual void DoLineTo(TPoint From, TPoint To) = 0;
    /// Draws Polygon.
    virtual void DoPolygon(std::span<const TPoint> Points) = 0;
    /// Draws Polyline.
    virtual void DoPolyline(std::span<const TPoint> Points) = 0;
    /// Draws Polylines; the default calls DoPolyline for each line.
    virtual void DoPolylines(std::span<const std::vector<TPoint>> Lines);
    /// Draws PolyPolygon.
    virtual void DoPolyPolygon(std::span<const std::vector<TPoint>> Polygons,
                               TPolyFillMode FillMode) = 0;
    /// The default leaves out the figures that are not finite, rounds the others to whole
    /// pixels and calls DoPolyPolygon.
    virtual void DoPolyPolygonF(std::span<const std::vector<TPointD>> Polygons,
                                TPolyFillMode FillMode);
    /// Fills FillPathCurves' path; the default takes only polygons and returns false.
    virtual bool DoFillPathCurves(const raster::TRasterPath& Path, const raster::TAffine& Transform,
                                  TColor Color, bool Antialias, TPolyFillMode FillMode);
    /// Draws Rectangle in Box.
    virtual void DoRectangle(const TRect& Box) = 0;
    /// Draws RoundRect in Box.
    virtual void DoRoundRect(const TRect& Box, int32_t CornerWidth, int32_t CornerHeight) = 0;
    /// Draws Ellipse in Box.
    virtual void DoEllipse(const TRect& Box) = 0;
    /// Draws Chord in Box, from the radial point Start to End.
    virtual void DoChord(const TRect& Box, TPoint Start, TPoint End) = 0;
    /// Draws Pie in Box, from the radial point Start to End.
    virtual void DoPie(const TRect& Box, TPoint Start, TPoint End) = 0;
    /// Draws FillRect.
    virtual void DoFillRect(const TRect& Rect) = 0;
    /// Draws Draw.
    virtual void DoDraw(int32_t X, int32_t Y, const TGraphic& Graphic) = 0;
    /// Draws StretchDraw.
    virtual void DoStretchDraw(const TRect& Rect, const TGraphic& Graphic) = 0;
    /// Draws TextOut.
    virtual void DoTextOut(int32_t X, int32_t Y, std::string_view Text) = 0;
    /// Measures for TextExtent.
    virtual TSize DoTextExtent(std::string_view Text) = 0;
    /// Answers GetTextMetrics.
    virtual TTextMetric DoGetTextMetrics() = 0;
    /// Vertices and indices are checked.
    virtual void DoGradientFill(std::span<const TTriVertex> Vertices,
                                std::span<const TGradientTriangle> Triangles) = 0;
    /// The default lays the text out with LayoutText and draws it.
    virtual int32_t DoDrawText(std::string_view Text, TRect& Rect, uint32_t Flags);
    /// One line of DrawText at (X, Y); Clip is the rectangle to clip to, or null. The
    /// default ignores the clip and calls DoTextOut.
    virtual void DoTextLine(int32_t X, int32_t Y, std::string_view Text, const TRect* Clip);

    /// Breaks one paragraph of DrawText with DT_WORDBREAK into lines that fit MaxWidth and
    /// appends them to Lines. The default breaks greedily at spaces, measuring with
    /// DoTextExtent: as many words as fit, a word wider than MaxWidth alone on its line, the
    /// spaces at a break dropped. A canvas that knows the script's line-break rules may break
    /// elsewhere too (between ideographs, say) under the same three rules.
    virtual void DoWrapParagraph(std::string_view Paragraph, int32_t MaxWidth,
                                 std::vector<std::string>& Lines);

    /// The layout behind DrawText; draws through DoTextLine when Paint is true.
    int32_t LayoutText(std::string_view Text, TRect& Rect, uint32_t Flags, bool Paint);

private:
    TPen FPen;
    TBrush FBrush;
    TFont FFont;
    TPoint FPenPos;
};

} // namespace kw::platform
