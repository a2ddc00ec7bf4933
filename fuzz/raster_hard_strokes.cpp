// SPDX-License-Identifier: MIT
// Differential fuzzing of hard strokes painted piece by piece against the fill of the same
// outlines: random lines (coordinates of 16-bit integers times a power of two, so that
// points land on pixel centres, corners and between, near and millions of pixels away),
// random pens (width, joins, miter limit, ends, dashes), transforms and clip boxes, on
// small pictures. Whenever the pieces take a drawing, every pixel must be the fill's.
#include "FuzzSupport.h"

#include <kwgfx/raster/HardStrokes.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

using namespace kw::raster;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    kw::fuzz::TInputReader in(Data, Size);
    const int w = 1 + in.Next<uint8_t>() % 32;
    int h = 1 + in.Next<uint8_t>() % 32;
    const uint8_t flags = in.Next<uint8_t>();
    // Now and then a tall picture, whose pieces run down more rows than are taken at once.
    if (flags & 128) h *= 5;
    const double scale = std::ldexp(1.0, int(in.Next<uint8_t>() % 32) - 10);
    TStrokeStyle pen;
    pen.Width = (1 + in.Next<uint8_t>()) / 16.0;
    pen.Join = flags & 1 ? TLineJoin::Bevel : TLineJoin::Miter;
    pen.Cap = flags & 2 ? TLineCap::Square : TLineCap::Butt;
    const double limits[] = {1, 2, 10, 1e6};
    pen.MiterLimit = limits[(flags >> 2) & 3];
    std::vector<double> dashes;
    if (flags & 16) {
        dashes = {(1 + in.Next<uint8_t>()) / 8.0, in.Next<uint8_t>() / 8.0};
        pen.Dashes = dashes;
        pen.DashOffset = in.Next<int8_t>() / 4.0;
    }
    // The identity, half a pixel on (points naming pixels), or a transform of small
    // integers over eight.
    TAffine transform;
    if (flags & 32) transform = TAffine{}.Moved(0.5, 0.5);
    if (flags & 64)
        transform = {in.Next<int8_t>() / 8.0, in.Next<int8_t>() / 8.0, in.Next<int8_t>() / 8.0,
                     in.Next<int8_t>() / 8.0, in.Next<int8_t>() / 8.0, in.Next<int8_t>() / 8.0};
    const uint8_t cut = in.Next<uint8_t>();
    TPixelBox clip{cut & 3, (cut >> 2) & 3, w - ((cut >> 4) & 3), h - (cut >> 6)};
    if (clip.Empty()) clip = {0, 0, w, h};

    struct TLine {
        std::vector<TVertex> Points;
        bool Closed;
    };
    std::vector<TLine> lines;
    while (!in.Empty() && lines.size() < 3) {
        TLine& line = lines.emplace_back();
        const uint8_t head = in.Next<uint8_t>();
        line.Closed = head & 1;
        for (int i = 0, n = 2 + (head >> 1) % 10; i < n && !in.Empty(); ++i)
            line.Points.push_back({in.Next<int16_t>() * scale, in.Next<int16_t>() * scale});
    }

    TRasterizer raster;
    raster.Reset(clip, false);
    raster.SetTransform(transform);
    THardStrokes pieces;
    pieces.Reset(raster);
    bool taken = true;
    for (const TLine& line : lines) taken = pieces.Add(line.Points, line.Closed, pen);
    if (!taken) return 0;
    constexpr std::uint32_t kGround = 0xFF204060, kPaint = 0xFFC08010;
    std::vector<std::uint32_t> painted(std::size_t(w) * h, kGround), filled = painted;
    const auto view = [&](std::vector<std::uint32_t>& Pixels) {
        return TImageView{reinterpret_cast<std::uint8_t*>(Pixels.data()), w, h, w * 4};
    };
    pieces.Paint(view(painted), kPaint);
    for (const TLine& line : lines) StrokePolyline(raster, line.Points, line.Closed, pen);
    raster.FillSolid(view(filled), kPaint, TFillRule::NonZero);
    for (std::size_t i = 0; i < painted.size(); ++i)
        if (painted[i] != filled[i])
            kw::fuzz::Fail("pieces differ from the outline's fill at pixel " +
                           std::to_string(i % std::size_t(w)) + "," +
                           std::to_string(i / std::size_t(w)));
    return 0;
}
