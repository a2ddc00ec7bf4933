// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Arrows: a straight shaft between two points (or along a chain of points) with optional
/// heads at either end and an optional multi-line caption at the middle of a segment.
/// Shaft and heads use the caller's pen and brush; the caption is drawn on a transparent
/// background, the brush being put back afterwards. The trailing float is accepted and
/// ignored.

#include "kwgfx/geometry/KwTypes.h"
#include "kwgfx/platform/graphics/Canvas.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace kw {

/// What DrawArrow draws besides the shaft: heads at either end, their fill and base edge, the
/// caption.
enum TArrowOption : uint8_t {
    aoArrowAtStart,
    aoArrowAtEnd,
    aoFillHead,   ///< heads (and a wide shaft) drawn with Polygon instead of Polyline
    aoClosedHead, ///< an open head gets its base edge too
    aoDrawCaption
};
/// A set of arrow options.
using TArrowOptions = TKwSet<TArrowOption>;

/// One segment from (X1, Y1) to (X2, Y2); a zero-length segment draws nothing. Caption
/// lines are separated by CR LF. LineWidth 1 draws the shaft as a line, any other value
/// as an outline LineWidth wide that stops HeadSize before the end point. A head is
/// HeadSize long and twice HeadSize wide.
///
/// \gallery{arrows.png}
void DrawArrow(platform::TCanvas& Canvas, int32_t X1, int32_t Y1, int32_t X2, int32_t Y2,
               int32_t HeadSize, std::string_view Caption, TArrowOptions Options, int32_t LineWidth,
               float Reserved = 1);

/// A chain of segments: the start head only on the first segment, the end head only on
/// the last, the caption only on segment CaptionIndex (-1, or an index past the last
/// segment, picks the middle segment (n - 1) div 2). Fewer than two points draw nothing.
void DrawArrow(platform::TCanvas& Canvas, std::span<const TPoint> Points, int32_t HeadSize,
               std::string_view Caption, TArrowOptions Options, int32_t LineWidth,
               int32_t CaptionIndex, float Reserved = 1);
/// The same with float points, each coordinate rounded (ties to even) first.
void DrawArrow(platform::TCanvas& Canvas, std::span<const TKwPoint> Points, int32_t HeadSize,
               std::string_view Caption, TArrowOptions Options, int32_t LineWidth,
               int32_t CaptionIndex, float Reserved = 1);

} // namespace kw
