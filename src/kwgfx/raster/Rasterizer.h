// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The rasteriser: figures in, pixels out.
///
/// Figures are added in user space (SetTransform maps them to device pixels) and always
/// count as closed. Curves are flattened to the error the pixel grid can show; parts of
/// figures outside the clip box cost next to nothing, however far they reach. Then the
/// figures are filled under a fill rule, either
///   - anti-aliased: every pixel gets the exact share of its area that the figures cover
///     (where edges of several figures, or of one figure crossing itself, meet within one
///     pixel, the share of the winding-weighted area, folded by the rule), or
///   - with hard edges: a pixel is whole when the figures wind round its centre, as Cairo
///     decides it (a row counts an edge when top <= centre < bottom; a pixel lies inside an
///     edge from its left when the crossing is at or left of its centre).
///
/// Work goes in bands of rows whose accumulation cells stay in the cache; a record of which
/// cells were touched lets whole runs of empty or solid pixels be skipped or written at
/// once. Hard edges are kept as each row's few crossings, sorted, between which whole spans
/// are painted. A rasteriser keeps its memory: once warm, a fill of the same size allocates
/// nothing. One rasteriser belongs to one thread at a time.

#include "kwgfx/raster/RasterPath.h"
#include "kwgfx/raster/RasterTypes.h"

#include <cstdint>
#include <iterator>
#include <memory>

namespace kw::raster {

/// Figures to pixels; see the file's description.
class TRasterizer {
public:
    /// An empty rasteriser with an empty clip box.
    TRasterizer();
    ~TRasterizer();
    TRasterizer(const TRasterizer&) = delete;
    TRasterizer& operator=(const TRasterizer&) = delete;

    /// How far a flattened curve may stray from the true one, in device pixels, unless set.
    static constexpr double DefaultTolerance = 0.1;

    /// Forgets all figures and starts anew, drawing only into Clip (device pixels) with
    /// smooth edges when Antialias is set, hard ones otherwise. The transform becomes the
    /// identity; the tolerance stays.
    void Reset(const TPixelBox& Clip, bool Antialias);
    /// The box given to Reset.
    const TPixelBox& Clip() const;
    /// Whether Reset asked for smooth edges.
    bool Antialias() const;
    /// The transform given to SetTransform.
    const TAffine& Transform() const;

    /// The map from the coordinates of the figures added next to device pixels.
    void SetTransform(const TAffine& Transform);
    /// How far flattened curves may stray from the true ones, in device pixels.
    void SetTolerance(double Pixels);

    /// Figures step by step: MoveTo starts one (ending the one before), LineTo, QuadTo and
    /// CubicTo continue it, ClosePath ends it; a figure is closed in any case. A figure
    /// with a coordinate that is not finite (after the transform) is left out whole.
    ///@{
    void MoveTo(TVertex P);
    void LineTo(TVertex P);
    void QuadTo(TVertex C, TVertex P);
    void CubicTo(TVertex C1, TVertex C2, TVertex P);
    void ClosePath();
    ///@}
    /// Adds every figure of Path.
    void AddPath(const TRasterPath& Path);
    /// Adds the closed polygon through Points: a span, vector or array of anything with
    /// members X and Y.
    template <typename TPoints>
    void AddPolygon(const TPoints& Points) {
        const std::size_t count = std::size(Points);
        if (count == 0) return;
        if (TVertex* buffer = FigureBuffer(count)) {
            for (std::size_t i = 0; i < count; ++i)
                buffer[i] = {double(Points[i].X), double(Points[i].Y)};
            AddBufferedFigure();
            return;
        }
        MoveTo({double(Points[0].X), double(Points[0].Y)});
        for (std::size_t i = 1; i < count; ++i) LineTo({double(Points[i].X), double(Points[i].Y)});
        ClosePath();
    }

    /// The pixels the figures may paint: within the clip box, empty when they paint none.
    TPixelBox Bounds();
    /// Line segments the figures have become so far (after flattening and clipping).
    std::size_t EdgeCount();

    /// Paints Argb (premultiplied) through the coverage of the figures onto Target, whose
    /// pixel (0, 0) is device pixel (0, 0), under Rule, combined by Op. Only pixels in the
    /// clip box and in Target change. The figures stay and can be filled again, unless they
    /// have so many edges (tens of thousands) that they were accumulated as they came.
    void FillSolid(const TImageView& Target, std::uint32_t Argb, TFillRule Rule,
                   TCompositeOp Op = TCompositeOp::Over);
    /// Writes the coverage of the figures under Rule into Mask, whose pixel (0, 0) is device
    /// pixel (MaskLeft, MaskTop). Mask must hold zeros where nothing is covered; only pixels
    /// with coverage are written, and only inside the clip box and Mask.
    void FillMask(const TMaskView& Mask, int MaskLeft, int MaskTop, TFillRule Rule);

private:
    // A whole figure at once: FigureBuffer ends the figure being built and gives room for
    // Count points in user space (null when so many should go point by point), which
    // AddBufferedFigure then adds as one closed figure.
    TVertex* FigureBuffer(std::size_t Count);
    void AddBufferedFigure();

    struct TState;
    std::unique_ptr<TState> F;
};

/// Paints Argb (premultiplied) onto the whole pixels of Box in Target, combined by Op: a
/// shape without edges inside pixels needs no coverage. Pixels outside Target are left out.
void FillBox(const TImageView& Target, const TPixelBox& Box, std::uint32_t Argb,
             TCompositeOp Op = TCompositeOp::Over);

} // namespace kw::raster
