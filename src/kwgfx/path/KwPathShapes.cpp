// SPDX-License-Identifier: MIT
// TKwPathData shape builders: ellipses, rectangles with shaped corners, and elliptical arcs
// (by centre and angles, and in the endpoint form of path text).
//
// Sections
//   1. Angles and helpers
//   2. Ellipse
//   3. Rectangle
//   4. Arcs by centre and angles
//   5. Arcs by end points
//
// Arcs are cubic Bezier segments of at most a quarter turn (plus 0.01 radian for the last).
// Named intermediate results are stored as floats, as every coordinate of the library.

#include "kwgfx/geometry/KwConstants.h"
#include "kwgfx/geometry/KwMatrix.h"
#include "kwgfx/geometry/KwPointOps.h"
#include "kwgfx/geometry/KwVector.h"
#include "kwgfx/path/KwPathData.h"
#include "kwgfx/path/detail/KwPathUpdate.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kw {

// ---------------------------------------------------------------- 1. Angles and helpers

namespace {

// Pi rounded to float, the constant the arc segmentation is defined with.
constexpr float kPiSingle = cPI;
constexpr long double kPiExtended = std::numbers::pi_v<long double>;

// Degree/radian conversions in extended precision.
long double DegToRad(long double Degrees) {
    return Degrees * (kPiExtended / 180.0L);
}
long double RadToDeg(long double Radians) {
    return Radians * (180.0L / kPiExtended);
}

bool IsFinite(const TKwPoint& P) {
    return std::isfinite(P.X) && std::isfinite(P.Y);
}

} // namespace

// ---------------------------------------------------------------- 2. Ellipse

void TKwPathData::AddEllipse(const TKwRect& ARect) {
    // Control points at 0.5522847498 of the half axes: the usual four-cubic ellipse.
    constexpr double kKappa = 0.5522847498;
    const float l = ARect.Left, t = ARect.Top, r = ARect.Right, b = ARect.Bottom;
    const float cx = (l + r) / 2;
    const float cy = (t + b) / 2;
    const auto kx = static_cast<float>((r - l) / 2.0 * kKappa);
    const auto ky = static_cast<float>((b - t) / 2.0 * kKappa);
    MoveTo({l, cy});
    CurveTo({l, cy - ky}, {cx - kx, t}, {cx, t});
    CurveTo({cx + kx, t}, {r, cy - ky}, {r, cy});
    CurveTo({r, cy + ky}, {cx + kx, b}, {cx, b});
    CurveTo({cx - kx, b}, {l, cy + ky}, {l, cy});
}

// ---------------------------------------------------------------- 3. Rectangle

namespace {

// The points one corner may use: Square is the corner itself then the start of the next
// edge; Inner and Round are the three points of the notched and the rounded shapes.
struct TCornerPoints {
    TKwPoint Square[2];
    TKwPoint Inner[3];
    TKwPoint Round[3];
};

// A radius no larger than half the side; the ratio form keeps the sign of a flipped
// rectangle. A zero radius stays zero (the ratio would divide by zero).
float CornerRadius(float Radius, float Side) {
    if (Side - 2 * Radius < 0 && Radius != 0) return Radius * (Side / (2 * Radius));
    return Radius;
}

} // namespace

void TKwPathData::AddRectangle(const TKwRect& ARect, float XRadius, float YRadius,
                               TKwCorners ACorners, TKwCornerType ACornerType) {
    const float l = ARect.Left, t = ARect.Top, r = ARect.Right, b = ARect.Bottom;
    const float rx = CornerRadius(XRadius, r - l);
    const float ry = CornerRadius(YRadius, b - t);
    const float hx = rx / 2, hy = ry / 2;

    auto corner = [&](TKwCorner Which, const TCornerPoints& P) {
        if (!ACorners.Contains(Which)) {
            LineTo(P.Square[0]);
            LineTo(P.Square[1]);
            return;
        }
        switch (ACornerType) {
        case ctBevel:
            LineTo(P.Square[1]);
            break;
        case ctInnerRound:
            CurveTo(P.Inner[0], P.Inner[1], P.Inner[2]);
            break;
        case ctInnerLine:
            for (const TKwPoint& q : P.Inner) LineTo(q);
            break;
        case ctRound:
        default:
            CurveTo(P.Round[0], P.Round[1], P.Round[2]);
            break;
        }
    };

    MoveTo({l, t + ry});
    corner(crTopLeft, {{{l, t}, {l + rx, t}},
                       {{l + hx, t + ry}, {l + rx, t + hy}, {l + rx, t}},
                       {{l, t + hy}, {l + hx, t}, {l + rx, t}}});
    LineTo({r - rx, t});
    corner(crTopRight, {{{r, t}, {r, t + ry}},
                        {{r - rx, t + hy}, {r - hx, t + ry}, {r, t + ry}},
                        {{r - hx, t}, {r, t + hy}, {r, t + ry}}});
    LineTo({r, b - ry});
    corner(crBottomRight, {{{r, b}, {r - rx, b}},
                           {{r - hx, b - ry}, {r - rx, b - hy}, {r - rx, b}},
                           {{r, b - hy}, {r - hx, b}, {r - rx, b}}});
    LineTo({l + rx, b});
    corner(crBottomLeft, {{{l, b}, {l, b - ry}},
                          {{l + rx, b - hy}, {l + hx, b - ry}, {l, b - ry}},
                          {{l + hx, b}, {l, b - hy}, {l, b - ry}}});
    ClosePath();
}

// ---------------------------------------------------------------- 4. Arcs by centre and angles

void TKwPathData::AddArcSegment(bool Connect, const TKwPoint& Center, const TKwPoint& Radius,
                                float StartAngle, float SweepAngle) {
    // The unit arc from -t to +t and its control points, then turned to start + t.
    const float t = SweepAngle / 2;
    const auto sn = static_cast<float>(std::sin(t));
    const auto cs = static_cast<float>(std::cos(t));
    const auto k = static_cast<float>(4.0 * (1.0 - cs) / 3.0);
    const auto e = static_cast<float>(sn - static_cast<double>(cs) * k / sn);
    const float unit[4][2] = {{cs, -sn}, {cs + k, -e}, {cs + k, e}, {cs, sn}};

    const float rot = t + StartAngle;
    const double sr = std::sin(rot), cr = std::cos(rot);
    TKwPoint p[4];
    for (int i = 0; i < 4; ++i) {
        const double ux = unit[i][0], uy = unit[i][1];
        p[i] = {static_cast<float>(Center.X + Radius.X * (ux * cr - uy * sr)),
                static_cast<float>(Center.Y + Radius.Y * (ux * sr + uy * cr))};
    }
    if (Connect) {
        if (FPathData.empty())
            MoveTo(p[0]);
        else
            LineTo(p[0]);
    }
    CurveTo(p[1], p[2], p[3]);
}

void TKwPathData::AddArcSegments(bool Connect, const TKwPoint& Center, const TKwPoint& Radius,
                                 float StartAngle, float SweepAngle) {
    constexpr float kFullTurn = 2 * kPiSingle;
    const auto s = static_cast<float>(DegToRad(StartAngle));
    auto w = static_cast<float>(DegToRad(SweepAngle));
    // An angle that is not finite has no start to draw from.
    if (!std::isfinite(s)) return;
    if (!(kFullTurn > w)) w = kFullTurn; // also turns a NaN sweep into a full turn
    if (-kFullTurn >= w) w = -kFullTurn;
    if (std::fabs(w) < 1e-10f) return;

    // The start reduced by whole turns, keeping its sign.
    const float turns = std::trunc(s / kFullTurn);
    float a = s - kPiSingle * (turns * 2);
    float done = 0;
    bool first = true;
    bool last = false;
    do {
        float next = 0, seg = 0;
        if (w >= 0) {
            next = done + kPiSingle / 2;
            if (w - 0.01f > next) {
                seg = kPiSingle * 0.5f;
            } else {
                seg = w - done;
                last = true;
            }
        } else {
            next = done - kPiSingle * 0.5f;
            if (w + 0.01f < next) {
                seg = -kPiSingle * 0.5f;
            } else {
                seg = w - done;
                last = true;
            }
        }
        AddArcSegment(Connect && first, Center, Radius, a, seg);
        a = a + seg;
        first = false;
        done = next;
    } while (!last);
}

void TKwPathData::AddArc(const TKwPoint& Center, const TKwPoint& Radius, float StartAngle,
                         float SweepAngle) {
    AddArcSegments(true, Center, Radius, StartAngle, SweepAngle);
}

void TKwPathData::AddArcSvgPart(const TKwPoint& Center, const TKwPoint& Radius, float StartAngle,
                                float SweepAngle) {
    AddArcSegments(false, Center, Radius, StartAngle, SweepAngle);
}

// ---------------------------------------------------------------- 5. Arcs by end points

void TKwPathData::AddArcSvg(const TKwPoint& StartPoint, const TKwPoint& Radius, float XAxisRotation,
                            bool LargeArc, bool Sweep, const TKwPoint& EndPoint) {
    const TKwPoint p1 = StartPoint, p2 = EndPoint;
    if (PointsEqual(p1, p2)) return;

    detail::InUpdate(*this, [&] {
        // A curve needs an entry to start from; on an empty path that is the start point.
        if (FPathData.empty()) MoveTo(p1);
        const size_t firstNew = FPathData.size();

        float rx = std::fabs(Radius.X);
        float ry = std::fabs(Radius.Y);
        // A zero radius flattens the ellipse to its chord.
        if (rx == 0 || ry == 0) {
            LineTo(p2);
            return;
        }
        const auto phi = static_cast<float>(DegToRad(XAxisRotation));
        const auto cphi = static_cast<float>(std::cos(phi));
        const auto sphi = static_cast<float>(std::sin(phi));

        // The end points' half difference, turned into the ellipse's own axes.
        const float dx = (p1.X - p2.X) / 2;
        const float dy = (p1.Y - p2.Y) / 2;
        const auto xp = static_cast<float>(double(cphi) * dx + double(sphi) * dy);
        const auto yp = static_cast<float>(-double(sphi) * dx + double(cphi) * dy);

        // Radii too small to reach from one end to the other grow just enough.
        const auto lambda = static_cast<float>(double(xp) * xp / (double(rx) * rx) +
                                               double(yp) * yp / (double(ry) * ry));
        if (lambda > 1) {
            const double grow = std::sqrt(double(lambda));
            rx = static_cast<float>(rx * grow);
            ry = static_cast<float>(ry * grow);
        }

        // The centre in the ellipse's axes, then in the path's coordinates.
        const double rx2 = double(rx) * rx, ry2 = double(ry) * ry;
        const double xp2 = double(xp) * xp, yp2 = double(yp) * yp;
        const auto q =
            static_cast<float>((rx2 * ry2 - rx2 * yp2 - ry2 * xp2) / (rx2 * yp2 + ry2 * xp2));
        auto f = static_cast<float>(std::sqrt(std::max(double(q), 0.0)));
        if (LargeArc == Sweep) f = -f;
        const auto cxp = static_cast<float>(double(f) * rx * yp / ry);
        const auto cyp = static_cast<float>(-double(f) * ry * xp / rx);
        const auto cx =
            static_cast<float>(double(cphi) * cxp - double(sphi) * cyp + (double(p1.X) + p2.X) / 2);
        const auto cy =
            static_cast<float>(double(sphi) * cxp + double(cphi) * cyp + (double(p1.Y) + p2.Y) / 2);

        // Start angle and sweep between the unit vectors towards the two ends.
        const auto ux = static_cast<float>((double(xp) - cxp) / rx);
        const auto uy = static_cast<float>((double(yp) - cyp) / ry);
        const auto vx = static_cast<float>((-double(xp) - cxp) / rx);
        const auto vy = static_cast<float>((-double(yp) - cyp) / ry);
        const double ulen = std::hypot(double(ux), double(uy));
        const double vlen = std::hypot(double(vx), double(vy));
        auto theta1 = static_cast<float>(std::acos(std::clamp(ux / ulen, -1.0, 1.0)));
        if (uy < 0) theta1 = -theta1;
        const double dot = double(ux) * vx + double(uy) * vy;
        auto delta = static_cast<float>(std::acos(std::clamp(dot / (ulen * vlen), -1.0, 1.0)));
        if (double(ux) * vy - double(uy) * vx < 0) delta = -delta;
        constexpr double kTwoPi = 6.283185307179586;
        if (!Sweep && delta > 0) delta = static_cast<float>(delta - kTwoPi);
        if (Sweep && delta < 0) delta = static_cast<float>(delta + kTwoPi);

        // The arc around the origin, then turned and moved into place.
        AddArcSvgPart({0, 0}, {rx, ry}, static_cast<float>(RadToDeg(theta1)),
                      static_cast<float>(RadToDeg(delta)));
        TKwMatrix translate = KwIdentityMatrix;
        translate.m31() = cx;
        translate.m32() = cy;
        const TKwMatrix m = KwMatrixMultiply(CreateRotationKwMatrix(phi), translate);
        bool finite = true;
        for (size_t i = firstNew; i < FPathData.size(); ++i) {
            const TKwPoint p =
                KwPoint(KwMatrixTransform(m, KwVector(TKwPoint(FPathData[i].Point), 1)));
            FPathData[i].Point = p;
            finite = finite && IsFinite(p);
        }
        // Radii or distances at the edge of the float range can overflow on the way (a
        // NaN angle leaves no arc at all): draw the chord rather than non-finite points.
        if (!finite || FPathData.size() == firstNew) {
            FPathData.resize(firstNew);
            if (IsFinite(p2)) LineTo(p2);
        }
    });
}

} // namespace kw
