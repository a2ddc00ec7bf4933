// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The outline of a stroke as a path of its own: filled under nonzero winding, it covers
/// what the stroke covers, so a stroke can be filled, hit-tested, combined with other areas
/// (KwPathBoolean.h) or written out like any path.
///
/// The method:
///   - Each figure is read as segments; segments of zero length are skipped, so corners are
///     joined between the segments that remain. A figure of zero length (a move followed by
///     a close, or lines back to the same point) becomes a disc with round ends and nothing
///     otherwise; a lone move gives nothing.
///   - A curve is split where its offset curves would fold (where half the width comes
///     near its radius of curvature, near cusps and zero derivatives): each part that can be
///     offset without folding (its tangent turns by at most a quarter turn and half the
///     width stays below 0.8 times its radius of curvature, both proven by bounds that hold
///     over the whole part) keeps curves: on each side a cubic through the offset end points
///     along the end tangents, its arm lengths set so that it passes through the offset
///     midpoint, checked at four parameters (the gap across the exact offset curve plus that
///     curve's bend over the gap along it) and halved until it lies within half the
///     tolerance. The parts that fold are flattened into lines within half the tolerance
///     whose directions stay within tolerance / width of the curve's tangent, and stroked as
///     lines with round corners between them, which follows the stroke of the curve itself
///     within the tolerance; these parts of the outline are lines.
///   - Corners between segments get the style's join on the outer side and go through the
///     corner point itself on the inner side; ends of open figures get the style's caps.
///     Round joins and caps are cubic arcs within a tenth of the tolerance.
///   - An open figure becomes one closed contour (one side forward, the other back); a
///     closed figure becomes two (its left side forward, its right side backward).
/// Each contour is the sum of the stroke's pieces (a band per segment, a wedge per corner,
/// a cap per end), all turning the same way, so under nonzero winding the contours fill
/// exactly the union of the pieces, however the figure crosses itself. The contours
/// overlap where the stroke does: fill them under nonzero winding, or pass them through
/// KwSimplifyPath (KwPathBoolean.h) for figures that do not overlap.
///
/// With dashes (TKwStrokeStyle::Dashes) the figures are first cut into dashes
/// (KwDashPath, KwPathDash.h) and each dash is stroked as an open figure, a dash of zero
/// length as a disc (round caps) or a square along the path (square caps).
///
/// Degenerate input gives a sound outline: no point of the outline is NaN or infinite
/// (coordinates beyond the float range are held at its ends), figures with a point that is
/// not finite are left out, and the work is bounded (a curve is halved at most 10 times
/// deep while looking for parts, a fitted side at most 12 times deep, the flattened parts of
/// a curve into at most 4096 lines in all, past which the tolerance is not kept; no
/// tolerance finer than the floats of the result can hold is worked for).

#include "kwgfx/path/KwPathData.h"
#include "kwgfx/path/KwStrokeStyle.h"

namespace kw {

/// Replaces Outline's entries with the outline of Path stroked with Style and sets its fill
/// mode to nonzero, with one change; see the file's description. Path's own fill mode plays
/// no part. Outline may be Path itself.
///
/// \gallery{path_toolbox.png}
void KwStrokeOutline(const TKwPathData& Path, const TKwStrokeStyle& Style, TKwPathData& Outline);
/// The outline of Path stroked with Style as a new path (fill mode nonzero).
TKwPathData KwStrokeOutline(const TKwPathData& Path, const TKwStrokeStyle& Style);

} // namespace kw
