// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Boolean operations on the areas that paths fill: union, intersection, difference and
/// exclusive or of two paths, each filled under its own fill mode, and simplifying one path
/// into figures that do not overlap.
///
/// The result is a path of closed polygons: outer figures run one way and holes the other,
/// none crosses another (they may touch at points), so it fills the same area under either
/// fill mode; its fill mode is set to nonzero. Curves come out flattened: every curve of
/// the input is replaced by lines within the tolerance before the areas are combined.
///
/// The method, and why it never fails:
///   - all figures are closed (an open figure is filled as if closed) and flattened within
///     the tolerance less 1.5 grid steps;
///   - their points are snapped to a fixed grid anchored at (0,0), whose step is the
///     largest power of two not above Tolerance / 64 (coarser only for coordinates beyond
///     2^28 steps, so that every exact test stays within 128-bit integers);
///   - the edges are snap-rounded in exact integer arithmetic (every crossing rounded to
///     its grid point, every edge rerouted through the grid points rounded near it), which
///     gives a planar set of edges that meet only at their ends, each point moved by less
///     than a grid step; coincident and touching edges become shared edges;
///   - a sweep gives each face its winding number for each operand, the operation decides
///     which faces are inside, and the edges between inside and outside faces are linked
///     into the result's figures.
/// So the result's boundary lies within Tolerance of the exact result's (curves included),
/// every input is handled (self-crossing figures, coincident or touching edges, figures of
/// no area, huge coordinates), and the result does not depend on where the paths lie:
/// moving both inputs by a multiple of the grid step (any whole number of units, for a
/// tolerance of at least 0.0001) moves the result by exactly that, and any other move
/// changes it by no more than the tolerance. Points that are not finite leave their
/// figure out. The work grows as n log n plus the pairs of edges whose x extents overlap.

#include "kwgfx/path/KwPathData.h"

#include <cstdint>

namespace kw {

/// How the areas of two paths are combined.
enum TKwPathOp : uint8_t {
    poUnion = 0,        ///< inside A or B
    poIntersection = 1, ///< inside A and B
    poDifference = 2,   ///< inside A but not B
    poXor = 3           ///< inside exactly one of them
};

/// Replaces Result's entries with the figures of the area Op makes of A's filled area (under
/// A's fill mode) and B's (under B's), with one change; see the file's description.
/// Tolerance is in path units (values below 1e-6, or not a number, act as 0.1). Result may
/// be A or B.
///
/// \gallery{path_toolbox.png}
void KwCombinePaths(const TKwPathData& A, const TKwPathData& B, TKwPathOp Op, TKwPathData& Result,
                    float Tolerance = 0.1f);
/// The same, the result as a new path.
TKwPathData KwCombinePaths(const TKwPathData& A, const TKwPathData& B, TKwPathOp Op,
                           float Tolerance = 0.1f);

/// Replaces Result's entries with figures that do not overlap and fill the area Path fills
/// under its own fill mode (under nonzero and even-odd alike), with one change. Result may
/// be Path itself.
///
/// \gallery{path_toolbox.png}
void KwSimplifyPath(const TKwPathData& Path, TKwPathData& Result, float Tolerance = 0.1f);
/// The same, the result as a new path.
TKwPathData KwSimplifyPath(const TKwPathData& Path, float Tolerance = 0.1f);

} // namespace kw
