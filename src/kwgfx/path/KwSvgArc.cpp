// SPDX-License-Identifier: MIT
// Endpoint-form elliptical arcs as cubic Bezier curves, in double precision.
//
// The conversion from end points to centre form is the usual one: turn the half chord
// into the ellipse's own axes, grow the radii if they cannot span it, place the centre on
// the side the flags choose, and take the sweep from the unit vectors towards the two
// ends. The pieces' angles advance by rotating a unit vector, so an arc costs at most one
// arc tangent and two sine/cosine pairs (the rotation's and the piece's); an arc of at
// most half a turn without rotation, nearly every arc of an icon, needs none of them.

#include "kwgfx/path/KwSvgArc.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kw {

namespace {

constexpr double kPi = std::numbers::pi;
// The longest piece: a quarter turn and a thousandth of it, so that a quarter turn
// between float end points stays one piece; and its cosine.
constexpr double kOnePieceAngle = kPi / 2 * 1.001;
constexpr double kOnePieceCosine = -0.0015707956808307198; // cos(kOnePieceAngle)

struct TVec {
    double X;
    double Y;
};

bool IsFinite(const TKwPoint& P) {
    return std::isfinite(P.X) && std::isfinite(P.Y);
}

} // namespace

TKwSvgArcCurves SvgArcToCubics(const TKwPoint& Start, const TKwPoint& Radius, float XAxisRotation,
                               bool LargeArc, bool Sweep, const TKwPoint& End) {
    TKwSvgArcCurves out;
    if (Start.SameAs(End) || !IsFinite(End)) return out;
    out.Shape = TKwSvgArcCurves::Line;
    double rx = std::fabs(double(Radius.X));
    double ry = std::fabs(double(Radius.Y));
    if (rx == 0 || ry == 0 || !std::isfinite(rx) || !std::isfinite(ry)) return out;

    // The rotation modulo a full turn; most arcs have none, which needs no trigonometry.
    double cphi = 1, sphi = 0;
    double degrees = XAxisRotation;
    if (std::fabs(degrees) >= 360) degrees = std::fmod(degrees, 360.0);
    const double phi = degrees * (kPi / 180);
    if (phi != 0) {
        cphi = std::cos(phi);
        sphi = std::sin(phi);
    }

    // The half chord in the ellipse's axes.
    const double x1 = Start.X, y1 = Start.Y, x2 = End.X, y2 = End.Y;
    const double dx = (x1 - x2) / 2, dy = (y1 - y2) / 2;
    const double xp = cphi * dx + sphi * dy;
    const double yp = -sphi * dx + cphi * dy;

    // The half chord in the unit circle's frame: (a, b). lambda = a^2 + b^2 > 1 means the
    // radii cannot span the chord; they grow to just reach, which puts the centre on the
    // chord's midpoint. Otherwise the centre lies at f * (b, -a) with
    // f = sqrt((1 - lambda) / lambda) (the usual radicand divided by rx^2 ry^2, which keeps
    // it within range for radii up to the float limit), on the side the flags choose.
    double a = xp / rx, b = yp / ry;
    const double lambda = a * a + b * b;
    double f = 0;
    if (lambda > 1) {
        const double grow = std::sqrt(lambda);
        rx *= grow;
        ry *= grow;
        a /= grow;
        b /= grow;
    } else {
        f = std::sqrt(std::max((1 - lambda) / lambda, 0.0));
        if (LargeArc == Sweep) f = -f;
    }
    const double cxp = f * b * rx;
    const double cyp = -f * a * ry;
    const double cx = cphi * cxp - sphi * cyp + (x1 + x2) / 2;
    const double cy = sphi * cxp + cphi * cyp + (y1 + y2) / 2;

    // Unit vectors from the centre towards the ends, in the unit circle's frame. Both have
    // the length sqrt(lambda (1 + f^2)), 1 up to rounding; normalised, the pieces' points
    // stay on the ellipse.
    const double length = std::sqrt((a * a + b * b) * (1 + f * f));
    if (!(length > 0) || !std::isfinite(length)) return out;
    const double scale = 1 / length;
    TVec u{(a - f * b) * scale, (b + f * a) * scale};
    const TVec v{(-a - f * b) * scale, (-b + f * a) * scale};
    // The cosine and sine of the angle from u to v.
    const double dot = u.X * v.X + u.Y * v.Y;
    const double cross = u.X * v.Y - u.Y * v.X;

    // Equal pieces of at most a quarter turn (and a thousandth, kOnePieceAngle). The angle
    // alpha that the arc runs is known by its cosine (dot) and sine (turned), so the pieces
    // of arcs up to half a turn need no trigonometry.
    const double sign = Sweep ? 1 : -1;
    const double turned = sign * cross;
    int pieces = 1;
    double cstep = dot, sstep = cross;
    if (turned >= 0 && dot < kOnePieceCosine) {
        // Up to half a turn: two pieces of alpha/2, by sin(alpha/2) = sqrt((1 - cos alpha)/2)
        // and cos(alpha/2) = sin alpha / (2 sin(alpha/2)), both well conditioned for alpha
        // from 90 to 180 degrees.
        pieces = 2;
        const double halfSine = std::sqrt((1 - dot) / 2);
        cstep = turned / (2 * halfSine);
        sstep = sign * halfSine;
    } else if (turned < 0) {
        // More than half a turn: the angle itself, turned the way Sweep says.
        const double sweep = std::atan2(cross, dot) + sign * 2 * kPi;
        if (!std::isfinite(sweep)) return out;
        pieces = std::clamp(int(std::ceil(std::fabs(sweep) / kOnePieceAngle)), 1, 4);
        const double step = sweep / pieces;
        cstep = std::cos(step);
        sstep = std::sin(step);
    }
    // 4/3 tan(step / 4) by the half-angle formula twice (1 + cstep >= 1 for a piece of at
    // most a quarter turn, so nothing cancels).
    const double halfTan = sstep / (1 + cstep);
    const double k = 4.0 / 3.0 * halfTan / (1 + std::sqrt(1 + halfTan * halfTan));

    // The point and the tangent (derivative by the angle) of the ellipse at unit vector w.
    const double axx = cphi * rx, axy = sphi * rx;  // the ellipse's x axis, scaled by rx
    const double ayx = -sphi * ry, ayy = cphi * ry; // its y axis, scaled by ry
    auto pointAt = [&](const TVec& w) {
        return TVec{cx + axx * w.X + ayx * w.Y, cy + axy * w.X + ayy * w.Y};
    };
    auto tangentAt = [&](const TVec& w) {
        return TVec{-axx * w.Y + ayx * w.X, -axy * w.Y + ayy * w.X};
    };
    auto toFloat = [](const TVec& P) {
        return TKwPoint(static_cast<float>(P.X), static_cast<float>(P.Y));
    };

    TVec from = pointAt(u);
    TVec fromTangent = tangentAt(u);
    bool finite = true;
    for (int i = 0; i < pieces; ++i) {
        const TVec w{u.X * cstep - u.Y * sstep, u.X * sstep + u.Y * cstep};
        const TVec to = pointAt(w);
        const TVec toTangent = tangentAt(w);
        TKwPoint* p = &out.Points[size_t(3 * i)];
        p[0] = toFloat({from.X + k * fromTangent.X, from.Y + k * fromTangent.Y});
        p[1] = toFloat({to.X - k * toTangent.X, to.Y - k * toTangent.Y});
        p[2] = i + 1 == pieces ? End : toFloat(to);
        finite = finite && IsFinite(p[0]) && IsFinite(p[1]) && IsFinite(p[2]);
        u = w;
        from = to;
        fromTangent = toTangent;
    }
    if (!finite) return out;
    out.Shape = TKwSvgArcCurves::Curves;
    out.CurveCount = pieces;
    return out;
}

} // namespace kw
