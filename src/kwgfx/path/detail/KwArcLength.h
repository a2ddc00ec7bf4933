// SPDX-License-Identifier: MIT
#pragma once
// Arc length along segments, for measuring and dashing (KwArcLength.cpp).
//
// A curve's length is integrated by 8-point Gauss-Legendre rules on parameter intervals
// halved until the rule on an interval and on its two halves agree within 1e-12 of the
// curve's control polygon length per unit of parameter (so the whole curve is within about
// 1e-12 of it; a cusp, where |B'| has a kink, only needs more halvings, at most 40 deep).
// The intervals' ends and the lengths up to them are kept, so that finding the parameter at
// a length is a search in the table and a few safeguarded Newton steps within one interval.

#include "kwgfx/path/detail/KwSegmentFigures.h"

#include <vector>

namespace kw::detail {

class TMeasuredSegment {
public:
    explicit TMeasuredSegment(const TSegment& Segment);

    const TSegment& Segment() const { return FSegment; }
    double Length() const { return FLength; }
    // The length from the start to parameter T (0..1).
    double LengthTo(double T) const;
    // The parameter at which the length from the start is S (clamped to 0..Length()).
    double ParameterAt(double S) const;
    TVec2 PointAt(double T) const;
    // The unit tangent at T; where the derivative vanishes (a cusp, or a control point on
    // an end point), the direction the curve moves in next to T.
    TVec2 TangentAt(double T) const;
    // The part from T0 to T1 (T0 <= T1), a segment of the same kind.
    TSegment Part(double T0, double T1) const;

private:
    // The integral of |B'| over [T0, T1] by one 8-point Gauss-Legendre rule.
    double Integral(double T0, double T1) const;
    void Subdivide(double T0, double T1, double Whole, double Epsilon, int Depth);

    TSegment FSegment;
    double FLength = 0;
    std::vector<double> FT, FS; // interval ends and the lengths up to them (curves only)
};

} // namespace kw::detail
