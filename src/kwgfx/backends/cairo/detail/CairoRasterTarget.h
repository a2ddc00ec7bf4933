// SPDX-License-Identifier: MIT
#pragma once
// Internal to the Cairo canvas: fills and strokes on an image surface drawn by the library's
// own rasteriser (raster/Rasterizer.h) instead of Cairo's scan converters.
//
// A solid colour under the operators over and source, on a 32-bit surface clipped to a
// rectangle of whole pixels (or not at all), is written straight into the surface's pixels.
// Anything else Cairo composites (gradient, hatch and picture sources, other operators, a
// clip of another shape, other pixel formats) gets the rasteriser's coverage as a mask that
// Cairo paints the context's source through. Targets that are not image surfaces (PDF, SVG
// and PostScript pages, recordings, windows) are left to Cairo, so their output stays
// vectors. Hard-edged strokes of such an opaque colour are painted span by span
// (raster/HardStrokes.h) rather than filled as outlines.

#include "kwgfx/raster/HardStrokes.h"
#include "kwgfx/raster/Rasterizer.h"
#include "kwgfx/raster/Stroker.h"

#include <cairo.h>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace kw::platform::cairo_detail {

class TCairoRasterTarget {
public:
    // Starts a drawing on Cr's target with smooth or hard edges: false, having changed
    // nothing, when the target is not an image surface (or has a device scale) and Cairo is to
    // draw. The rasteriser then takes figures in Cr's user space.
    bool Begin(cairo_t* Cr, bool Antialias);
    // The same, the figures in coordinates that Transform maps into Cr's user space.
    bool Begin(cairo_t* Cr, bool Antialias, const raster::TAffine& Transform);

    raster::TRasterizer& Raster() { return FRaster; }
    // Forgets the figures added since Begin (after Paint): the next ones are drawn as Begin
    // set up, on the context as it was then.
    void Restart();

    // Adds the outline of a stroke of Cr's line width, joins, miter limit, ends and dashes
    // along the polyline through Points (user space); Closed joins its ends. The dashes start
    // Along further into their pattern than Cr says (for a piece of a longer line).
    void AddStroke(cairo_t* Cr, std::span<const raster::TVertex> Points, bool Closed,
                   double Along = 0);

    // Paints the figures added since Begin under Rule: with Cr's source and operator, or with
    // Color (premultiplied ARGB) over what is there when given.
    void Paint(cairo_t* Cr, raster::TFillRule Rule, std::optional<std::uint32_t> Color = {});

    // Paints the boxes (Left, Top, Right, Bottom in Cr's user space) with Cr's solid source,
    // straight into the pixels, when the context only moves them onto whole device pixels and
    // nothing but a box of whole pixels clips them; false, having drawn nothing, otherwise.
    bool FillBoxes(cairo_t* Cr, std::span<const raster::TPixelBox> Boxes);

private:
    bool ClipIsTheBox(cairo_t* Cr) const;
    // Resets the rasteriser to FBox and FToDevice, and forgets the strokes.
    void StartOver(bool Antialias);
    void ForgetStrokes();
    bool StrokesBySpans(cairo_t* Cr);
    void FillStrokes();
    bool PaintStrokes(std::optional<std::uint32_t> Color);
    void PaintMask(cairo_t* Cr, raster::TFillRule Rule, const raster::TPixelBox& Bounds);

    raster::TRasterizer FRaster;
    cairo_surface_t* FTarget = nullptr;
    double FOffsetX = 0, FOffsetY = 0; // the target's device offset
    bool FClipIsTheBox = false;        // Begin found the clip one box of whole pixels
    raster::TPixelBox FBox;            // the rasteriser's clip box, as Begin set it
    raster::TAffine FToDevice;         // and its transform
    std::vector<double> FDashes;
    // Hard strokes painted span by span: whether this drawing's are (undecided until its
    // first stroke), in what colour, and the strokes themselves (their points one after
    // another), for filling their outlines should the spans fail.
    enum class TBySpans : std::uint8_t { Undecided, Yes, No } FBySpans = TBySpans::Undecided;
    std::uint32_t FSpanColor = 0;
    raster::THardStrokes FHardStrokes;
    struct TKeptStroke {
        std::size_t End; // one past its last point in FKeptPoints
        bool Closed;
        double DashOffset;
    };
    std::vector<TKeptStroke> FKeptStrokes;
    std::vector<raster::TVertex> FKeptPoints;
    raster::TStrokeStyle FKeptStyle;
};

// The premultiplied pixel Cairo makes of a colour given by channels 0..1.
std::uint32_t CairoPixelOf(double R, double G, double B, double A);

} // namespace kw::platform::cairo_detail
