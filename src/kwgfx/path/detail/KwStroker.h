// SPDX-License-Identifier: MIT
#pragma once
// The stroke outline of one figure (KwStrokeOutline.cpp has the method); shared by the
// outline, the dashed outline and the stroke hit test.

#include "kwgfx/path/KwStrokeStyle.h"
#include "kwgfx/path/detail/KwEntrySink.h"
#include "kwgfx/path/detail/KwSegmentFigures.h"

namespace kw::detail {

// A style made safe to compute with: a finite half width (zero strokes nothing), a miter
// limit of at least 1, a tolerance within its bounds.
struct TStrokeParams {
    double HalfWidth = 0.5;
    TKwLineJoin Join = ljMiter;
    TKwLineCap Cap = lcButt;
    double MiterLimit = 4;
    double Tolerance = 0.1;
};

TStrokeParams StrokeParams(const TKwStrokeStyle& Style);

// Appends the outline of Figure: closed contours whose union under nonzero winding is the
// stroke of the figure.
void StrokeFigure(const TSegmentFigure& Figure, const TStrokeParams& Params, TEntrySink& Sink);

} // namespace kw::detail
