#pragma once
// The library's main header: float geometry, the path object and the drawing routines.

#include "kwgfx/drawing/BezierPolygon.h"
#include "kwgfx/drawing/KwColorValues.h"
#include "kwgfx/geometry/KwGfxException.h"
#include "kwgfx/geometry/KwMatrix.h"
#include "kwgfx/geometry/KwTypes.h"
#include "kwgfx/geometry/KwVector.h"
#include "kwgfx/geometry/KwVectorTypes.h"
#include "kwgfx/path/KwCorners.h"
#include "kwgfx/path/KwPathData.h"
#include "kwgfx/path/KwPathPoint.h"
#include "kwgfx/platform/Exceptions.h"
