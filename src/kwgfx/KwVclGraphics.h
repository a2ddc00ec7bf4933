// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The user-interface graphics unit: colour values (split, join, interpolate, palette
/// entries) and the drawing helpers built on the canvas's own facilities: the direction
/// gradient, font rotation, vertically aligned text labels and image-list shapes.

#include "kwgfx/drawing/DirectionGradient.h"
#include "kwgfx/drawing/GradientTypes.h"
#include "kwgfx/drawing/KwColorValues.h"
#include "kwgfx/drawing/ShapeTypes.h"
#include "kwgfx/platform/graphics/GradientFill.h"
#include "kwgfx/platform/graphics/ImageList.h"
#include "kwgfx/ui/FontRotation.h"
#include "kwgfx/ui/ImageListShape.h"
#include "kwgfx/ui/TextLabel.h"

namespace kw {

/// The gradient vertex record under its window-system names.
using _TRIVERTEX = platform::TTriVertex;
/// A pointer to a gradient vertex record.
using PTriVertex = platform::TTriVertex*;
using platform::TImageList;

} // namespace kw
