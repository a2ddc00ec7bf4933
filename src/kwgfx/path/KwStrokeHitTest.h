// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Whether a point lies on a stroke: the hit test of a stroked line, as a pointer over a
/// diagram's connector asks it.

#include "kwgfx/geometry/KwTypes.h"
#include "kwgfx/path/KwPathData.h"
#include "kwgfx/path/KwStrokeStyle.h"

namespace kw {

/// True when P lies in the outline KwStrokeOutline builds for Path and Style, under nonzero
/// winding: the same joins, caps, miter limit, dashes and tolerance, so the hit test and
/// the filled outline agree (curves of the outline are followed within a hundredth of the
/// tolerance). Only figures whose stroke can reach P are outlined, so a test costs the
/// figures near the point. Points on the outline's edge may go either way. For many tests
/// against one stroke, build the outline once and ask its PointInPathArea.
///
/// \gallery{path_toolbox.png}
bool KwPointInStroke(const TKwPathData& Path, const TKwStrokeStyle& Style, const TKwPoint& P);

} // namespace kw
