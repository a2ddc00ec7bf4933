// SPDX-License-Identifier: MIT
#pragma once
// The boundary of a region of a planar set of fragments (KwRegionBoundary.cpp).
//
// The fragments come from snap rounding (KwSnapRounding.h): integer end points, meeting
// only at their ends, each adding a winding number per operand. A sweep over x, with the
// fragments crossing the sweep line kept in order from bottom to top, gives each fragment
// the winding numbers of the faces on either side (the face below a fragment is the face
// above the one under it). A fragment is on the boundary when the rule puts one of its
// faces inside and the other outside; it is directed with the inside on its left. At each
// point the boundary passes more than once, an arriving fragment goes on along the first
// leaving one clockwise from where it came, so contours touch there but never cross.
// Straight runs are merged into single edges.

#include "kwgfx/path/detail/KwSnapRounding.h"

#include <functional>
#include <vector>

namespace kw::detail {

using TContour = std::vector<TIPoint>;

// Contours of the region where Inside(windings) holds; outer contours run
// counter-clockwise (y-up), holes clockwise.
std::vector<TContour> RegionBoundary(const std::vector<TFragment>& Fragments,
                                     const std::function<bool(const TWindings&)>& Inside);

} // namespace kw::detail
