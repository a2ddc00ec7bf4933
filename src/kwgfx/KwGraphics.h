// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The library's main header: float geometry, the path object and the drawing routines.
/// All of it may run on many threads at once, each with its own objects (KwThreads.h).

// Geometry: types and constants
#include "kwgfx/geometry/KwConstants.h"
#include "kwgfx/geometry/KwGfxException.h"
#include "kwgfx/geometry/KwTypes.h"
#include "kwgfx/geometry/KwVectorTypes.h"
// Geometry: conversions and text
#include "kwgfx/geometry/KwConversions.h"
#include "kwgfx/geometry/KwPointText.h"
// Geometry: points and rectangles
#include "kwgfx/geometry/KwCenters.h"
#include "kwgfx/geometry/KwConnectionPoints.h"
#include "kwgfx/geometry/KwIntersections.h"
#include "kwgfx/geometry/KwPointOps.h"
#include "kwgfx/geometry/KwRectFit.h"
#include "kwgfx/geometry/KwRectOps.h"
// Geometry: vectors and matrices
#include "kwgfx/geometry/KwMatrix.h"
#include "kwgfx/geometry/KwVector.h"

// Geometry: persistent objects
#include "kwgfx/geometry/KwCustomKwRect.h"
#include "kwgfx/geometry/KwCustomRect.h"
#include "kwgfx/geometry/KwObjectKwRect.h"
#include "kwgfx/geometry/KwObjectRect.h"
#include "kwgfx/geometry/KwPosition.h"
#include "kwgfx/geometry/KwTransform.h"
#include "kwgfx/geometry/ObjectSize.h"

// Path
#include "kwgfx/path/KwCorners.h"
#include "kwgfx/path/KwPathAreaFill.h"
#include "kwgfx/path/KwPathBoolean.h"
#include "kwgfx/path/KwPathDash.h"
#include "kwgfx/path/KwPathData.h"
#include "kwgfx/path/KwPathGuarantees.h"
#include "kwgfx/path/KwPathMeasure.h"
#include "kwgfx/path/KwPathPoint.h"
#include "kwgfx/path/KwPathTightBounds.h"
#include "kwgfx/path/KwStrokeHitTest.h"
#include "kwgfx/path/KwStrokeOutline.h"
#include "kwgfx/path/KwStrokeStyle.h"
#include "kwgfx/path/KwSvgFill.h"
#include "kwgfx/path/KwSvgPathParser.h"
#include "kwgfx/path/KwSvgPathWriter.h"

// Drawing
#include "kwgfx/drawing/Arrows.h"
#include "kwgfx/drawing/BezierPolygon.h"
#include "kwgfx/drawing/ColorSchemes.h"
#include "kwgfx/drawing/DirectionGradient.h"
#include "kwgfx/drawing/DrawBezierPolygon.h"
#include "kwgfx/drawing/Frame3D.h"
#include "kwgfx/drawing/GradientTypes.h"
#include "kwgfx/drawing/Gradients.h"
#include "kwgfx/drawing/KwColorValues.h"
#include "kwgfx/drawing/PieSlice.h"
#include "kwgfx/drawing/Progress.h"
#include "kwgfx/drawing/ShapeTypes.h"
#include "kwgfx/drawing/Shapes.h"
#include "kwgfx/drawing/TextMeasure.h"
#include "kwgfx/drawing/TextWrap.h"
#include "kwgfx/drawing/VclCanvasHelper.h"

#include "kwgfx/platform/base/Exceptions.h"
#include "kwgfx/platform/graphics/ColorParsing.h"
#include "kwgfx/platform/graphics/Colors.h"
#include "kwgfx/platform/graphics/KwColorNames.h"
