// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// A canvas that draws nothing and records every drawing call: its name, its arguments,
/// the pen position and the pen, brush and font values at the time of the call. Tests of
/// drawing code assert the record; ToString() prints it for failure messages.
///
/// Recorded operations and their Args:
///   MoveTo, LineTo                  X, Y (PenPos holds where a LineTo starts)
///   Polygon, Polyline               none; the points are in Points
///   PolyPolygon                     fill mode (0 alternate, 1 winding), then the point count
///                                   of each figure; the figures' points, one after the
///                                   other, are in Points
///   PolyPolygonF                    as PolyPolygon, with the points as given (not rounded,
///                                   NaN and infinities included) in PointsF
///   Rectangle, Ellipse, FillRect    Left, Top, Right, Bottom
///   RoundRect                       Left, Top, Right, Bottom, corner width, corner height
///   Chord, Pie                      Left, Top, Right, Bottom, X3, Y3, X4, Y4
///   Draw                            X, Y, graphic width, graphic height
///   StretchDraw                     Left, Top, Right, Bottom, graphic width, graphic height
///   TextOut                         X, Y; the text is in Text
///   DrawText                        Left, Top, Right, Bottom, flags; the text is in Text
///   GradientFill                    none; Vertices and Triangles hold the input
/// Measuring (TextExtent, TextWidth, TextHeight, GetTextMetrics) is not recorded.
///
/// Text is measured by the fixed text model (FixedTextModel.h), independent of any
/// installed font: a scalable outline face unless its name was given to AddBitmapFace.

#include "kwgfx/platform/graphics/Canvas.h"
#include "kwgfx/platform/graphics/FixedTextModel.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace kw::platform {

/// The pen values of a recorded call.
struct TPenValues {
    TColor Color = clBlack;    ///< Colour.
    TPenStyle Style = psSolid; ///< Style.
    int32_t Width = 1;         ///< Width.
    friend bool operator==(const TPenValues&, const TPenValues&) = default;
};

/// The brush values of a recorded call.
struct TBrushValues {
    TColor Color = clWhite;      ///< Colour.
    TBrushStyle Style = bsSolid; ///< Style.
    friend bool operator==(const TBrushValues&, const TBrushValues&) = default;
};

/// The font values of a recorded call.
struct TFontValues {
    std::string Name;                       ///< Face name.
    int32_t Height = 0;                     ///< Height in pixels.
    TFontStyles Style;                      ///< Styles.
    TColor Color = 0;                       ///< Colour.
    TFontCharset Charset = DEFAULT_CHARSET; ///< Character set.
    TFontPitch Pitch = fpDefault;           ///< Pitch.
    int32_t Orientation = 0;                ///< Orientation in tenths of a degree.
    friend bool operator==(const TFontValues&, const TFontValues&) = default;
};

/// One recorded call; the file's description lists what each operation records.
struct TCanvasCall {
    std::string Name;                         ///< The operation, such as "LineTo".
    std::vector<int32_t> Args;                ///< Its whole-number arguments.
    std::vector<TPoint> Points;               ///< Its points.
    std::vector<TPointD> PointsF;             ///< Its sub-pixel points (PolyPolygonF).
    std::string Text;                         ///< Its text.
    std::vector<TTriVertex> Vertices;         ///< Its gradient vertices.
    std::vector<TGradientTriangle> Triangles; ///< Its gradient triangles.
    TPoint PenPos;                            ///< The pen position before the call.
    TPenValues Pen;                           ///< The pen at the time of the call.
    TBrushValues Brush;                       ///< The brush at the time of the call.
    TFontValues Font;                         ///< The font at the time of the call.

    /// One line: the call with its arguments, then the pen and brush (and the font for
    /// text calls).
    std::string ToString() const;
};

/// A canvas that records its calls; see the file's description.
class TRecordingCanvas : public TCanvas {
public:
    /// The recorded calls, in order.
    const std::vector<TCanvasCall>& Calls() const { return FCalls; }
    /// Forgets the recorded calls.
    void Clear() { FCalls.clear(); }
    /// The names of the recorded calls, in order.
    std::vector<std::string> Names() const;
    /// The recorded calls that have this name.
    std::vector<TCanvasCall> CallsNamed(std::string_view Name) const;
    /// Every call on its own line.
    std::string ToString() const;

    /// Reports the face (letter case ignored) as a bitmap face: no TMPF_TRUETYPE or
    /// TMPF_VECTOR in its text metrics.
    void AddBitmapFace(std::string_view Name);

    /// Makes every later call of the named operation record itself and then throw
    /// platform::Exception, to test that drawing code cleans up after a failure. An empty
    /// name turns this off.
    void FailOn(std::string_view Name) { FFailOn = std::string(Name); }

    /// The clip box the canvas tells (Canvas.h); none unless given here, so drawing code
    /// records every call it would make anywhere.
    void SetClipBox(std::optional<TRect> Box) { FClipBox = Box; }

    /// The text model in numbers, for tests that compute expected layouts.
    ///@{
    int32_t EmPixels() const { return FixedTextModelEm(Font()); }
    int32_t CharAdvance() const { return FixedTextModelAdvance(Font()); }
    ///@}

protected:
    std::optional<TRect> DoClipBox() const override { return FClipBox; }
    void DoMoveTo(int32_t X, int32_t Y) override;
    void DoLineTo(TPoint From, TPoint To) override;
    void DoPolygon(std::span<const TPoint> Points) override;
    void DoPolyPolygon(std::span<const std::vector<TPoint>> Polygons,
                       TPolyFillMode FillMode) override;
    void DoPolyPolygonF(std::span<const std::vector<TPointD>> Polygons,
                        TPolyFillMode FillMode) override;
    void DoPolyline(std::span<const TPoint> Points) override;
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
    int32_t DoDrawText(std::string_view Text, TRect& Rect, uint32_t Flags) override;

private:
    // Adds the call with the current pen position, pen, brush and font, then throws when
    // FailOn names it.
    void Record(TCanvasCall Call);

    std::vector<TCanvasCall> FCalls;
    std::vector<std::string> FBitmapFaces;
    std::string FFailOn;
    std::optional<TRect> FClipBox;
};

/// Writes Call.ToString().
std::ostream& operator<<(std::ostream& Out, const TCanvasCall& Call);

} // namespace kw::platform
