// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The exact bounds of a path's drawn geometry: lines by their end points, cubic curves by
/// their end points and the extreme points of the curve itself, not by their control
/// points. A move that no segment follows draws nothing and is left out. A close counts as
/// the line back to the point of its subpath's move.

#include "kwgfx/path/KwPathPoint.h"

#include <span>

namespace kw {

/// The smallest rectangle (Left <= Right, Top <= Bottom) holding every segment of the
/// path; TKwRect() (all zero) when the path draws no segment. Computed in double, each
/// edge rounded to the nearest float.
TKwRect TightBounds(std::span<const TKwPathPoint> Entries);

} // namespace kw
