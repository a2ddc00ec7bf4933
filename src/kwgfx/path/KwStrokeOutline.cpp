// SPDX-License-Identifier: MIT
// The stroke outline (KwStrokeOutline.h describes the method).
//
// Sections
//   1. Parameters
//   2. Sides of an outline, arcs
//   3. Pieces: curves split into parts that offset cleanly and flattened parts that fold
//   4. Offsetting a curve part
//   5. Corners and ends
//   6. One figure's outline
//   7. The public call

#include "kwgfx/path/KwStrokeOutline.h"

#include "kwgfx/path/detail/KwDasher.h"
#include "kwgfx/path/detail/KwStroker.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace kw {

namespace detail {

// ---------------------------------------------------------------- 1. Parameters

TStrokeParams StrokeParams(const TKwStrokeStyle& Style) {
    TStrokeParams p;
    const double w = Style.Width;
    p.HalfWidth = (w > 0 && std::isfinite(w)) ? w / 2 : 0;
    p.Join = Style.Join <= ljBevel ? Style.Join : ljMiter;
    p.Cap = Style.Cap <= lcSquare ? Style.Cap : lcButt;
    const double ml = Style.MiterLimit;
    p.MiterLimit = ml >= 1 ? std::min(ml, 1e6) : 1;
    const double tol = Style.Tolerance;
    p.Tolerance = !(tol > 0) ? 0.1 : std::clamp(tol, 0.001, 1e6);
    return p;
}

namespace {

constexpr double kPi = std::numbers::pi;
constexpr int MaxPartDepth = 10;
constexpr int MaxFitDepth = 12;
constexpr int MaxFlatSteps = 4096;

// ---------------------------------------------------------------- 2. Sides, arcs

// One side of an outline, built forward and emitted forward or backward.
class TSide {
public:
    void Start(const TVec2& P) {
        FStart = P;
        FElements.clear();
    }
    const TVec2& First() const { return FStart; }
    const TVec2& Last() const { return FElements.empty() ? FStart : FElements.back().End; }
    void LineTo(const TVec2& P) {
        if (P == Last()) return;
        FElements.push_back({false, {}, {}, P});
    }
    void CubicTo(const TVec2& C1, const TVec2& C2, const TVec2& P) {
        FElements.push_back({true, C1, C2, P});
    }
    void EmitForward(TEntrySink& Sink) const {
        for (const TElement& e : FElements)
            if (e.Cubic)
                Sink.CubicTo(e.C1, e.C2, e.End);
            else
                Sink.LineTo(e.End);
    }
    // From Last() back to First().
    void EmitBackward(TEntrySink& Sink) const {
        for (size_t i = FElements.size(); i-- > 0;) {
            const TVec2& to = i > 0 ? FElements[i - 1].End : FStart;
            const TElement& e = FElements[i];
            if (e.Cubic)
                Sink.CubicTo(e.C2, e.C1, to);
            else
                Sink.LineTo(to);
        }
    }

private:
    struct TElement {
        bool Cubic;
        TVec2 C1, C2, End;
    };
    TVec2 FStart;
    std::vector<TElement> FElements;
};

// What the floats of the result can tell apart near points as far out as Centre plus R
// (a few units in their last place): tolerances finer than that only cost work.
double FloatPrecision(const TVec2& Centre, double R) {
    return (std::max(std::abs(Centre.X), std::abs(Centre.Y)) + R) * 0x1p-22;
}
double FloatPrecision(const TCubic& C, double H) {
    double m = 0;
    for (const TVec2& p : C.P) m = std::max({m, std::abs(p.X), std::abs(p.Y)});
    return (m + H) * 0x1p-22;
}

// Appends the arc of radius R around Centre from the direction From (a unit vector),
// sweeping Sweep radians (positive counter-clockwise in a y-up frame), as cubics that stay
// within Tolerance of the circle. The error of one cubic arc of angle a is below
// 0.00055 R (a / (pi/2))^6.
template <typename TPath>
void AppendArc(TPath& Out, const TVec2& Centre, double R, const TVec2& From, double Sweep,
               double Tolerance) {
    // Closer than the floats of the result can hold is not asked for.
    Tolerance = std::max(Tolerance, FloatPrecision(Centre, R));
    double maxStep = kPi / 2;
    const double quarterError = 0.00055 * R;
    if (quarterError > Tolerance) maxStep *= std::pow(Tolerance / quarterError, 1.0 / 6);
    const int n = int(std::clamp(std::ceil(std::abs(Sweep) / maxStep), 1.0, 1024.0));
    const double step = Sweep / n;
    const double k = 4.0 / 3 * std::tan(step / 4) * R;
    TVec2 u = From;
    for (int i = 1; i <= n; ++i) {
        const TVec2 v = i == n ? Rotate(From, Sweep) : Rotate(From, step * i);
        const TVec2 p0 = Centre + u * R, p3 = Centre + v * R;
        Out.CubicTo(p0 + Perp(u) * k, p3 - Perp(v) * k, p3);
        u = v;
    }
}

// ---------------------------------------------------------------- 3. Pieces

// A stretch of the figure that is offset as one: a line, or a curve part that offsets
// cleanly. Corner: a corner of the path comes before it (the style's join); otherwise it
// continues a curve (a round joint, mostly of no angle at all).
struct TPiece {
    bool Curve = false;
    TCubic C;
    TVec2 T0, T1; // unit tangents at the start and the end
    bool Corner = false;

    const TVec2& Start() const { return C.P[0]; }
    const TVec2& End() const { return C.P[3]; }
};

// A line piece's length; 0 for a curve part, which never lets a corner cut across.
double LineLength(const TPiece& P) {
    return P.Curve ? 0 : Length(P.End() - P.Start());
}

TPiece LinePiece(const TVec2& A, const TVec2& B) {
    const TVec2 t = Unit(B - A);
    return {false, {{A, A, B, B}}, t, t, false};
}

// The distance from the origin to the triangle A, B, C (0 when it holds the origin).
double DistanceFromOrigin(const TVec2& A, const TVec2& B, const TVec2& C) {
    const double area = Cross(B - A, C - A);
    if (area != 0) {
        const double s1 = Cross(B - A, -A), s2 = Cross(C - B, -B), s3 = Cross(A - C, -C);
        if ((s1 >= 0 && s2 >= 0 && s3 >= 0) || (s1 <= 0 && s2 <= 0 && s3 <= 0)) return 0;
    }
    const auto toSegment = [](const TVec2& P, const TVec2& Q) {
        const TVec2 d = Q - P;
        const double dd = Dot(d, d);
        const double t = dd > 0 ? std::clamp(-Dot(P, d) / dd, 0.0, 1.0) : 0.0;
        return Length(P + d * t);
    };
    return std::min({toSegment(A, B), toSegment(B, C), toSegment(C, A)});
}

enum class TPartKind { Clean, Folds, Unsure };

// Whether a curve part offsets by H on both sides without folding. Clean is proven by
// bounds over the whole part: the hodograph's control points A, B, C (B' = 3 times their
// quadratic Bezier) keep |B'| >= 3 m (m, their hull's distance from the origin) and, within
// a right angle of each other, the tangent's turn below a quarter turn; B' x B'' is 18 times
// the cubic Bezier with coefficients A x B, (A x B + A x C)/3, (A x C + B x C)/3, B x C.
// A part that cannot be proven clean is taken as folding (and flattened) when it is short
// (its control polygon within H) or when half the width reaches 0.7 of its radius of
// curvature at five points along it: splitting it would find no clean part worth its cost.
TPartKind ClassifyPart(const TCubic& C, double H) {
    const TVec2 a = C.P[1] - C.P[0], b = C.P[2] - C.P[1], c = C.P[3] - C.P[2];
    const double m = DistanceFromOrigin(a, b, c);
    if (m > 0 && Dot(a, b) >= 0 && Dot(b, c) >= 0 && Dot(a, c) >= 0) {
        const double ab = Cross(a, b), ac = Cross(a, c), bc = Cross(b, c);
        const double cmax =
            std::max({std::abs(ab), std::abs(ab + ac) / 3, std::abs(ac + bc) / 3, std::abs(bc)});
        // curvature <= 18 cmax / (27 m^3)
        if (H * cmax * (2.0 / 3) <= 0.8 * m * m * m) return TPartKind::Clean;
    }
    if (Length(a) + Length(b) + Length(c) <= H) return TPartKind::Folds;
    for (const double t : {0.0, 0.25, 0.5, 0.75, 1.0}) {
        const TVec2 d1 = C.Derivative(t), d2 = C.Second(t);
        const double l = Length(d1);
        if (H * std::abs(Cross(d1, d2)) < 0.7 * l * l * l) return TPartKind::Unsure;
    }
    return TPartKind::Folds;
}

// The curve part as lines within Tolerance of it whose directions stay within
// Tolerance / H of the curve's own tangent at both their ends. A band along a line ends
// square to the line, and at the width H the slant between the line and the curve would
// show by H times the angle: bounding the angle keeps the bands, and the joins and caps at
// the part's ends, within the tolerance of the stroke of the curve itself. Halving stops at
// 2^-16 of the part (around a cusp, where the tangent turns at once) and when the curve's
// Budget of lines is spent (a width far beyond the curve's size asks for ever finer turns).
void AddFlatPieces(const TCubic& C, double Tolerance, double H, int& Budget,
                   std::vector<TPiece>& Out) {
    Tolerance = std::max(Tolerance, FloatPrecision(C, H));
    const double maxSlant = std::min(Tolerance / H, 0.25);
    // A line shorter than 2^16 units in the last place of the curve's float coordinates has
    // no direction worth the name: halving stops there.
    const double shortest = FloatPrecision(C, 0) * 0x1p+6;
    const auto fits = [&](const TCubic& Q) {
        const TVec2 chord = Q.P[3] - Q.P[0];
        const double l = Length(chord);
        if (!(l > 0)) return Q.IsPoint();
        if (l <= shortest) return true;
        const TVec2 u = chord * (1 / l);
        // The control points' distances from the chord bound the curve's.
        if (std::abs(Cross(u, Q.P[1] - Q.P[0])) > Tolerance ||
            std::abs(Cross(u, Q.P[2] - Q.P[0])) > Tolerance)
            return false;
        const TVec2 d0 = Q.StartDirection(), d1 = Q.EndDirection();
        return Dot(u, d0) > 0 && Dot(u, d1) > 0 && std::abs(Cross(u, d0)) <= maxSlant &&
               std::abs(Cross(u, d1)) <= maxSlant;
    };
    struct TItem {
        TCubic C;
        int Depth;
    };
    std::vector<TItem> stack{{C, 0}};
    TVec2 prev = C.P[0];
    while (!stack.empty()) {
        const TItem item = stack.back();
        stack.pop_back();
        if (item.Depth < 16 && Budget > 0 && !fits(item.C)) {
            TCubic left, right;
            item.C.Split(0.5, left, right);
            stack.push_back({right, item.Depth + 1});
            stack.push_back({left, item.Depth + 1});
            continue;
        }
        const TVec2 q = stack.empty() ? C.P[3] : item.C.P[3];
        if (q == prev) continue;
        TPiece p = LinePiece(prev, q);
        if (p.T0 == TVec2()) continue; // too short to have a direction
        Out.push_back(p);
        prev = q;
        --Budget;
    }
}

void AddCurvePieces(const TCubic& Curve, const TStrokeParams& Params, std::vector<TPiece>& Out) {
    struct TItem {
        TCubic C;
        int Depth;
    };
    std::vector<TItem> stack{{Curve, 0}};
    int budget = MaxFlatSteps; // lines for the whole curve
    while (!stack.empty()) {
        const TItem item = stack.back();
        stack.pop_back();
        const TPartKind kind = ClassifyPart(item.C, Params.HalfWidth);
        if (kind == TPartKind::Unsure && item.Depth < MaxPartDepth) {
            TCubic left, right;
            item.C.Split(0.5, left, right);
            stack.push_back({right, item.Depth + 1});
            stack.push_back({left, item.Depth + 1});
        } else if (kind == TPartKind::Clean) {
            Out.push_back({true, item.C, Unit(item.C.P[1] - item.C.P[0]),
                           Unit(item.C.P[3] - item.C.P[2]), false});
        } else {
            AddFlatPieces(item.C, Params.Tolerance / 2, Params.HalfWidth, budget, Out);
        }
    }
}

// The figure's pieces; segments of zero length are left out, so corners join the segments
// around them.
std::vector<TPiece> FigurePieces(const TSegmentFigure& Figure, const TStrokeParams& Params) {
    std::vector<TPiece> pieces;
    for (const TSegment& s : Figure.Segments) {
        if (s.IsPoint()) continue;
        const size_t first = pieces.size();
        if (s.Curve) {
            AddCurvePieces(s.C, Params, pieces);
        } else {
            TPiece p = LinePiece(s.Start(), s.End());
            if (!(p.T0 == TVec2())) pieces.push_back(p);
        }
        if (pieces.size() > first) pieces[first].Corner = true;
    }
    return pieces;
}

// ---------------------------------------------------------------- 4. Offsetting a curve part

// The base curve at one parameter: point, unit tangent and signed curvature (positive
// turning counter-clockwise, y-up). Both sides' offsets at the parameter follow from it.
struct TBaseSample {
    TVec2 Point, Tangent;
    double Curvature = 0;
};

TBaseSample SampleBase(const TCubic& C, double T) {
    const TVec2 d1 = C.Derivative(T), d2 = C.Second(T);
    const double l = Length(d1);
    return {C.At(T), d1 * (1 / l), Cross(d1, d2) / (l * l * l)};
}

// The parameters where a fitted offset is checked, and the midpoint it is fitted through.
constexpr double kCheckAt[] = {0.15, 0.35, 0.65, 0.85};

// How far Q strays from the exact offset curve (offset E) near the sample S: the gap
// between Q's point and the offset point, across the offset curve, plus the bend of the
// offset curve (curvature k / (1 - E k), the same tangent) over the gap along it. A gap
// along it that reaches half the offset curve's radius makes the estimate meaningless:
// the fit counts as failed.
double FitError(const TCubic& Q, double T, const TBaseSample& S, double E) {
    const TVec2 d = Q.At(T) - (S.Point + Perp(S.Tangent) * E);
    const double across = Dot(d, Perp(S.Tangent)), along = Dot(d, S.Tangent);
    const double bend = std::abs(S.Curvature / (1 - E * S.Curvature));
    if (bend * std::abs(along) > 0.5) return INFINITY;
    return std::abs(across) + 0.5 * bend * along * along;
}

// The cubic through the offset end points along the end tangents whose midpoint is the
// offset midpoint Mid (q(1/2) is the mean of the ends plus 3/8 (alpha t0 - beta t1)); where
// that has no sensible answer (parallel end tangents), the arms are the base curve's,
// scaled as the offset scales the speed at each end.
TCubic FitOffset(const TCubic& C, double E, const TVec2& T0, const TVec2& T1, double K0, double K1,
                 const TVec2& Mid) {
    const TVec2 q0 = C.P[0] + Perp(T0) * E, q3 = C.P[3] + Perp(T1) * E;
    const TVec2 v = (Mid - (q0 + q3) * 0.5) * (8.0 / 3);
    const double den = Cross(T0, T1);
    const double reach = 2 * Length(q3 - q0);
    if (std::abs(den) > 1e-4) {
        const double alpha = Cross(v, T1) / den, beta = Cross(v, T0) / den;
        if (alpha > 0 && beta > 0 && alpha <= reach && beta <= reach)
            return {{q0, q0 + T0 * alpha, q3 - T1 * beta, q3}};
    }
    const double alpha = Length(C.P[1] - C.P[0]) * (1 - E * K0);
    const double beta = Length(C.P[3] - C.P[2]) * (1 - E * K1);
    return {{q0, q0 + T0 * alpha, q3 - T1 * beta, q3}};
}

// Appends the offsets of the clean part C by +H to Left and by -H to Right, as cubics
// within Tolerance of the exact offset curves; a part whose fit strays is halved (both
// sides, which keeps the samples shared), at most MaxFitDepth times.
void OffsetCurve(const TCubic& C, double H, double Tolerance, TSide& Left, TSide& Right,
                 int Depth) {
    if (Depth == 0) Tolerance = std::max(Tolerance, FloatPrecision(C, H));
    const TVec2 a = C.P[1] - C.P[0], c = C.P[3] - C.P[2];
    const TVec2 t0 = Unit(a), t1 = Unit(c);
    const TBaseSample s0 = SampleBase(C, 0), s1 = SampleBase(C, 1), mid = SampleBase(C, 0.5);
    TBaseSample checks[4];
    for (int i = 0; i < 4; ++i) checks[i] = SampleBase(C, kCheckAt[i]);
    TCubic fits[2];
    bool fit = true;
    for (int side = 0; side < 2; ++side) {
        const double e = side == 0 ? H : -H;
        fits[side] =
            FitOffset(C, e, t0, t1, s0.Curvature, s1.Curvature, mid.Point + Perp(mid.Tangent) * e);
        for (int i = 0; i < 4 && fit; ++i)
            fit = FitError(fits[side], kCheckAt[i], checks[i], e) <= Tolerance;
    }
    if (fit || Depth >= MaxFitDepth) {
        Left.CubicTo(fits[0].P[1], fits[0].P[2], fits[0].P[3]);
        Right.CubicTo(fits[1].P[1], fits[1].P[2], fits[1].P[3]);
        return;
    }
    TCubic left, right;
    C.Split(0.5, left, right);
    OffsetCurve(left, H, Tolerance, Left, Right, Depth + 1);
    OffsetCurve(right, H, Tolerance, Left, Right, Depth + 1);
}

void OffsetPiece(const TPiece& P, double H, double Tolerance, TSide& Left, TSide& Right) {
    if (P.Curve) {
        OffsetCurve(P.C, H, Tolerance, Left, Right, 0);
    } else {
        const TVec2 n = Perp(P.T1) * H;
        Left.LineTo(P.End() + n);
        Right.LineTo(P.End() - n);
    }
}

// ---------------------------------------------------------------- 5. Corners and ends

// The corner at P from the direction Tin to Tout. The outer side gets the join; the inner
// side runs through P itself, which keeps the contour the sum of the two bands and the
// wedge whatever the angle and the lengths around it. Between two lines at least h sin(turn)
// long (InLength, OutLength; 0 for curves) the inner side may cut straight across: the
// triangle it leaves out lies in both bands, so the stroke stays covered. A round join
// whose arc strays less than a tenth of the tolerance from its chord is that chord.
void AddCorner(TSide& Left, TSide& Right, const TVec2& P, const TVec2& Tin, const TVec2& Tout,
               TKwLineJoin Join, const TStrokeParams& Params, double InLength = 0,
               double OutLength = 0) {
    const double h = Params.HalfWidth;
    const double c = Cross(Tin, Tout), d = Dot(Tin, Tout);
    const TVec2 nIn = Perp(Tin), nOut = Perp(Tout);
    // A turn whose wedge is far thinner than the tolerance: the sides simply continue.
    if (d > 0 && h * std::abs(c) <= 1e-3 * Params.Tolerance) {
        Left.LineTo(P + nOut * h);
        Right.LineTo(P - nOut * h);
        return;
    }
    // Turning clockwise (y-up), or right back, the left side is the outer one.
    const bool leftOuter = c <= 0;
    const double s = leftOuter ? h : -h;
    TSide& outer = leftOuter ? Left : Right;
    TSide& inner = leftOuter ? Right : Left;
    const double reach = h * std::abs(c);
    if (!(d > 0 && InLength >= reach && OutLength >= reach)) inner.LineTo(P);
    inner.LineTo(P - nOut * s);
    const TVec2 outerStart = P + nOut * s;
    switch (Join) {
    case ljRound: {
        // The arc's sagitta: h (1 - cos(turn / 2)).
        if (h * (1 - std::sqrt(std::max(0.0, (1 + d) / 2))) <= Params.Tolerance / 10) break;
        const double sweep = c == 0 ? -kPi : std::atan2(c, d);
        AppendArc(outer, P, h, leftOuter ? nIn : -nIn, sweep, Params.Tolerance / 10);
        break;
    }
    case ljMiter:
        if (1 + d > 0 && 2 <= Params.MiterLimit * Params.MiterLimit * (1 + d))
            outer.LineTo(P + (nIn + nOut) * (s / (1 + d)));
        break;
    case ljBevel:
        break;
    }
    outer.LineTo(outerStart);
}

// The end at P of a figure leaving in direction T: from P + h Perp(T), round the front, to
// P - h Perp(T).
void AddCap(TEntrySink& Sink, const TVec2& P, const TVec2& T, const TStrokeParams& Params) {
    const double h = Params.HalfWidth;
    const TVec2 n = Perp(T) * h;
    switch (Params.Cap) {
    case lcButt:
        break;
    case lcSquare:
        Sink.LineTo(P + n + T * h);
        Sink.LineTo(P - n + T * h);
        break;
    case lcRound:
        AppendArc(Sink, P, h, Perp(T), -kPi, Params.Tolerance / 10);
        break;
    }
    Sink.LineTo(P - n);
}

// A figure of no length: a disc for round ends; for square ends a square along a dash's
// direction, nothing for a figure of the path itself (which has none); nothing for butt
// ends.
void AddDot(const TSegmentFigure& Figure, const TStrokeParams& Params, TEntrySink& Sink) {
    const TVec2 p = Figure.Segments.empty() ? Figure.Start : Figure.Segments.front().Start();
    const double h = Params.HalfWidth;
    TVec2 direction = Figure.PointDirection;
    for (const TSegment& s : Figure.Segments)
        if (direction == TVec2() && !s.IsPoint()) direction = s.StartDirection();
    if (Params.Cap == lcRound) {
        Sink.MoveTo(p + TVec2(h, 0));
        AppendArc(Sink, p, h, TVec2(1, 0), -2 * kPi, Params.Tolerance / 10);
        Sink.Close();
    } else if (Params.Cap == lcSquare && !(direction == TVec2())) {
        const TVec2 t = direction * h, n = Perp(direction) * h;
        Sink.MoveTo(p + n - t);
        Sink.LineTo(p + n + t);
        Sink.LineTo(p - n + t);
        Sink.LineTo(p - n - t);
        Sink.Close();
    }
}

} // namespace

// ---------------------------------------------------------------- 6. One figure's outline

void StrokeFigure(const TSegmentFigure& Figure, const TStrokeParams& Params, TEntrySink& Sink) {
    const double h = Params.HalfWidth;
    if (!(h > 0)) return;
    const std::vector<TPiece> pieces = FigurePieces(Figure, Params);
    if (pieces.empty()) {
        AddDot(Figure, Params, Sink);
        return;
    }
    const double fitTolerance = Params.Tolerance / 2;
    TSide left, right;
    const TPiece& first = pieces.front();
    left.Start(first.Start() + Perp(first.T0) * h);
    right.Start(first.Start() - Perp(first.T0) * h);
    for (size_t i = 0; i < pieces.size(); ++i) {
        const TPiece& p = pieces[i];
        if (i > 0)
            AddCorner(left, right, p.Start(), pieces[i - 1].T1, p.T0,
                      p.Corner ? Params.Join : ljRound, Params, LineLength(pieces[i - 1]),
                      LineLength(p));
        OffsetPiece(p, h, fitTolerance, left, right);
    }
    const TPiece& last = pieces.back();
    if (Figure.Closed) {
        AddCorner(left, right, first.Start(), last.T1, first.T0, Params.Join, Params,
                  LineLength(last), LineLength(first));
        Sink.MoveTo(left.First());
        left.EmitForward(Sink);
        Sink.Close();
        Sink.MoveTo(right.Last());
        right.EmitBackward(Sink);
        Sink.Close();
    } else {
        Sink.MoveTo(left.First());
        left.EmitForward(Sink);
        AddCap(Sink, last.End(), last.T1, Params);
        right.EmitBackward(Sink);
        AddCap(Sink, first.Start(), -first.T0, Params);
        Sink.Close();
    }
}

} // namespace detail

// ---------------------------------------------------------------- 7. The public call

void KwStrokeOutline(const TKwPathData& Path, const TKwStrokeStyle& Style, TKwPathData& Outline) {
    const detail::TStrokeParams params = detail::StrokeParams(Style);
    std::vector<detail::TSegmentFigure> figures = detail::SegmentFigures(Path.Entries());
    if (detail::IsDashPattern(Style.Dashes))
        figures = detail::DashFigures(figures, Style.Dashes, Style.DashOffset);
    detail::TEntrySink sink;
    for (const detail::TSegmentFigure& f : figures) detail::StrokeFigure(f, params, sink);
    sink.Put(Outline, fmNonZero);
}

TKwPathData KwStrokeOutline(const TKwPathData& Path, const TKwStrokeStyle& Style) {
    TKwPathData outline;
    KwStrokeOutline(Path, Style, outline);
    return outline;
}

} // namespace kw
